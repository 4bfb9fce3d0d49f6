#include "skin/window/skin_engine.h"

namespace skin::window {

SkinEngine& SkinEngine::Instance() {
    static SkinEngine engine;
    return engine;
}

SkinEngine::SkinEngine() : slot_([this] { return std::make_unique<TSkinManager>(look_); }) {}

SkinDataServices SkinEngine::Services(SkinMessage showMessage) {
    return {look_, bitmaps_, std::move(showMessage), slot_, parts_};
}

TSkinManager* SkinEngine::Manager() const {
    return static_cast<TSkinManager*>(slot_.Get());
}

}  // namespace skin::window
