#pragma once

namespace tockly::platform {

// The primary screen's size, in twips like every stored window position.
class Screen {
public:
    virtual ~Screen() = default;
    virtual double width_twips() = 0;
    virtual double height_twips() = 0;
};

}  // namespace tockly::platform
