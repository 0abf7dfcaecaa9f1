#include "gui/Classes.h"

#include "rtl/Exceptions.h"

#include <algorithm>

namespace {

[[noreturn]] void WrongKind(const QString& property) {
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(property));
}

} // namespace

void ThrowInvalidValue(const QString& property, const QString& value) {
    throw EReadError(QStringLiteral("Invalid property value for %1: %2").arg(property, value));
}

int TLayoutValue::AsInt(const QString& property) const {
    if (kind != Kind::Integer || integer < INT32_MIN || integer > INT32_MAX)
        WrongKind(property);
    return static_cast<int>(integer);
}

double TLayoutValue::AsFloat(const QString& property) const {
    if (kind == Kind::Integer)
        return static_cast<double>(integer);
    if (kind != Kind::Float)
        WrongKind(property);
    return real;
}

bool TLayoutValue::AsBool(const QString& property) const {
    if (kind != Kind::Boolean)
        WrongKind(property);
    return boolean;
}

const QString& TLayoutValue::AsString(const QString& property) const {
    if (kind != Kind::String)
        WrongKind(property);
    return text;
}

const QString& TLayoutValue::AsIdent(const QString& property) const {
    if (kind != Kind::Ident)
        WrongKind(property);
    return text;
}

const QStringList& TLayoutValue::AsStrings(const QString& property) const {
    if (kind != Kind::Strings)
        WrongKind(property);
    return items;
}

const QStringList& TLayoutValue::AsSet(const QString& property) const {
    if (kind != Kind::Set)
        WrongKind(property);
    return items;
}

std::vector<int> TLayoutValue::AsIntList(const QString& property) const {
    if (kind != Kind::List)
        WrongKind(property);
    std::vector<int> values;
    for (const QString& item : items) {
        bool ok = false;
        const int value = item.toInt(&ok);
        if (!ok)
            WrongKind(property);
        values.push_back(value);
    }
    return values;
}

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

void TComponent::SetProperty(const QString& name, const TLayoutValue&) {
    throw EReadError(QStringLiteral("Error reading %1.%2: Property %2 does not exist")
                         .arg(name_.isEmpty() ? ClassName() : name_, name));
}

void TComponent::SetEvent(const QString& name, const TNotifyEvent&) {
    throw EReadError(QStringLiteral("Error reading %1.%2: Property %2 does not exist")
                         .arg(name_.isEmpty() ? ClassName() : name_, name));
}

void TComponent::InsertChild(TComponent* child) {
    throw EReadError(
        QStringLiteral("%1 cannot contain %2 (%3)")
            .arg(name_.isEmpty() ? ClassName() : name_, child->Name(), child->ClassName()));
}

const TPublishedTable::FieldEntry* TPublishedTable::FindField(const QString& name) const {
    for (const FieldEntry& field : fields_)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

const TPublishedTable::FieldEntry* TPublishedTable::FindClass(const QString& className) const {
    for (const FieldEntry& field : fields_)
        if (field.className.compare(className, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

const TPublishedTable::MethodEntry* TPublishedTable::FindMethod(const QString& name) const {
    for (const MethodEntry& method : methods_)
        if (method.name.compare(name, Qt::CaseInsensitive) == 0)
            return &method;
    return nullptr;
}
