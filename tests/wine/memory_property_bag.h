// A host's property bag kept in memory, recording the VARIANT type of every value written.
#pragma once

#include <ocidl.h>

#include <map>
#include <string>

namespace moonleaf_test {

class MemoryBag final : public IPropertyBag {
  public:
    ~MemoryBag();
    std::map<std::wstring, VARIANT> values;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;
};

}  // namespace moonleaf_test
