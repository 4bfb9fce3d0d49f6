// A named object with an owner: windows own their controls, menus and other
// parts, and free them when they are freed themselves.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/property.h"

namespace ui {

class TComponent : public TPersistent {
  public:
    // The owner, if any, frees this component (see Own).
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The framework class name the skin engine compares against ("TButton").
    virtual std::string ClassName() const = 0;

    std::string Name;
    int Tag = 0;

    TComponent* Owner() const { return owner_; }
    // The components this one owns, in the order they were made.
    std::vector<TComponent*> Components() const;
    // The owned component with that name (any letter case), or null.
    TComponent* FindComponent(std::string_view name) const;

    // Frees `component`, which this one owns, before its time (its siblings
    // are told, as when the owner frees it).
    void FreeComponent(TComponent* component);

    // Told when a component owned by the same owner is about to be freed,
    // so that references to it can be dropped.
    virtual void Notification(TComponent* removed);

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    // Freeing happens in reverse order of making, before the owner's own
    // members go.
    void FreeOwnedComponents();

  private:
    template <class T, class... Args>
    friend T* Make(TComponent& owner, Args&&... args);
    void Adopt(std::unique_ptr<TComponent> component);

    TComponent* owner_;
    std::vector<std::unique_ptr<TComponent>> owned_;
};

// Makes a component owned by `owner`; T's constructor takes the owner first.
template <class T, class... Args>
T* Make(TComponent& owner, Args&&... args) {
    auto component = std::make_unique<T>(owner, std::forward<Args>(args)...);
    T* raw = component.get();
    owner.Adopt(std::move(component));
    return raw;
}

}  // namespace ui
