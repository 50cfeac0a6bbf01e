// An owning COM interface pointer, an owning BSTR and an owning VARIANT, for all Windows code.
#pragma once

#include <windows.h>

#include <oleauto.h>
#include <unknwn.h>

#include <utility>

namespace common::win32 {

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference of `pointer`.
    explicit ComPtr(Interface* pointer) : pointer_(pointer) {
        if (pointer_) pointer_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }
    // Out parameter for APIs that hand over a reference.
    Interface** put() {
        reset();
        return &pointer_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    // Hands the reference over to the caller (an out parameter of ours).
    Interface* detach() { return std::exchange(pointer_, nullptr); }

    template <typename Other>
    ComPtr<Other> query(REFIID iid) const {
        ComPtr<Other> result;
        if (pointer_) pointer_->QueryInterface(iid, result.put_void());
        return result;
    }

  private:
    Interface* pointer_ = nullptr;
};

class UniqueBstr {
  public:
    UniqueBstr() = default;
    explicit UniqueBstr(BSTR text) : text_(text) {}
    ~UniqueBstr() { ::SysFreeString(text_); }
    UniqueBstr(UniqueBstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        std::swap(text_, other.text_);
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR get() const { return text_; }
    BSTR* put() {
        ::SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }
    BSTR detach() { return std::exchange(text_, nullptr); }

  private:
    BSTR text_ = nullptr;
};

// VariantInit/VariantClear.
class UniqueVariant {
  public:
    UniqueVariant() { ::VariantInit(&value_); }
    ~UniqueVariant() { ::VariantClear(&value_); }
    UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) {
        ::VariantInit(&other.value_);
    }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

  private:
    VARIANT value_;
};

}  // namespace common::win32
