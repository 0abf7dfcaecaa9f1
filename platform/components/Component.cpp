#include "components/Component.h"

#include "components/PublishedProperties.h"

#include "runtime/Exceptions.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
    if (owner_ != nullptr)
        owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ != nullptr) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : components_)
        if (component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TComponent::DestroyComponents() {
    // Children are created after their parents, so the last created goes first and a parent
    // never takes an owned child with it.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

const TPropertyTable& TComponent::PublishedProperties() const {
    static const TPropertyTable table = TClassProperties<TComponent>();
    return table;
}

void TComponent::InsertChild(TComponent* child) {
    throw EReadError(
        QStringLiteral("%1 cannot contain %2 (%3)")
            .arg(name_.isEmpty() ? ClassName() : name_, child->Name(), child->ClassName()));
}
