#include "components/PublishedProperties.h"

TPropertyTable::TPropertyTable(QString className, const TPropertyTable* base)
    : className_(std::move(className)), base_(base) {}

const TPublishedProperty* TPropertyTable::Find(const QString& name) const {
    for (const TPublishedProperty& property : properties_)
        if (property.name == name)
            return &property;
    return nullptr;
}
