// The pattern of the tray's two hidden windows: one per process, made when the
// first object that needs it registers and destroyed with the last. Each
// object gets a number that messages name it by; a number that names no live
// object (sent by anyone) finds nothing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "tray/utility_window.h"

template <class Handler, class Object, class Id>
class SharedHandler : public UtilityWindow {
  public:
    // Nothing while no object is registered.
    static Handler* Instance() { return Slot().get(); }
    // The registered objects.
    uint32_t RefCount() const { return static_cast<uint32_t>(objects_.size()); }

  protected:
    explicit SharedHandler(const wchar_t* className) : UtilityWindow(className) {}

    // Registers an object, making the handler for the first, and answers the
    // object's number.
    static Id Add(Object& object) {
        std::unique_ptr<Handler>& handler = Slot();
        if (!handler)
            handler.reset(new Handler);
        const Id id = handler->nextId_++;
        handler->objects_[id] = &object;
        return id;
    }

    // Unregisters an object; the last one takes the handler with it.
    static void Remove(Id id) {
        std::unique_ptr<Handler>& handler = Slot();
        handler->objects_.erase(id);
        if (handler->objects_.empty())
            handler.reset();
    }

    Object* Find(Id id) const {
        const auto found = objects_.find(id);
        return found == objects_.end() ? nullptr : found->second;
    }

  private:
    static std::unique_ptr<Handler>& Slot() {
        static std::unique_ptr<Handler> handler;
        return handler;
    }

    std::map<Id, Object*> objects_;
    Id nextId_ = 1;
};
