#include "layout/PublishedTable.h"

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
