#include "ui/component.h"

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
    FreeOwnedComponents();
    if (owner_) {
        for (const auto& sibling : owner_->owned_) {
            if (sibling.get() != this)
                sibling->Notification(this);
        }
    }
}

void TComponent::FreeOwnedComponents() {
    while (!owned_.empty()) {
        // Take it out first: while it is freed, its siblings may still look
        // at the list, and it must not be freed twice.
        std::unique_ptr<TComponent> last = std::move(owned_.back());
        owned_.pop_back();
        for (const auto& sibling : owned_)
            sibling->Notification(last.get());
        last->owner_ = nullptr;
        last.reset();
    }
}

void TComponent::FreeComponent(TComponent* component) {
    const auto found = std::find_if(owned_.begin(), owned_.end(),
                                    [component](const auto& c) { return c.get() == component; });
    if (found == owned_.end())
        return;
    std::unique_ptr<TComponent> freed = std::move(*found);
    owned_.erase(found);
    for (const auto& sibling : owned_)
        sibling->Notification(freed.get());
    freed->owner_ = nullptr;
}

std::vector<TComponent*> TComponent::Components() const {
    std::vector<TComponent*> out;
    out.reserve(owned_.size());
    for (const auto& c : owned_)
        out.push_back(c.get());
    return out;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (const auto& c : owned_) {
        if (SameName(c->Name, name))
            return c.get();
    }
    return nullptr;
}

void TComponent::Notification(TComponent*) {}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
    owned_.push_back(std::move(component));
}

bool TComponent::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Name")) {
        value = Name;
    } else if (SameName(name, "Tag")) {
        value = int64_t{Tag};
    } else {
        return false;
    }
    return true;
}

bool TComponent::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Name"))
        return Extract(value, Name);
    if (SameName(name, "Tag"))
        return Extract(value, Tag);
    return false;
}

}  // namespace ui
