#pragma once
// Values as the layout reader reads them, to be set with SetLayoutProperty.

#include "components/Component.h"
#include "layout/LayoutProperties.h"
#include "layout/LayoutValue.h"
#include "layout/PublishedTable.h"

namespace layout_values {

inline TLayoutValue Int(int value) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::Integer;
    v.integer = value;
    return v;
}

inline TLayoutValue Str(const QString& text) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::String;
    v.text = text;
    return v;
}

inline TLayoutValue Ident(const QString& text) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::Ident;
    v.text = text;
    return v;
}

inline TLayoutValue Bool(bool on) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::Boolean;
    v.boolean = on;
    return v;
}

inline TLayoutValue Strings(const QStringList& lines) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::Strings;
    v.items = lines;
    return v;
}

inline TLayoutValue List(const QStringList& items) {
    TLayoutValue v;
    v.kind = TLayoutValue::Kind::List;
    v.items = items;
    return v;
}

} // namespace layout_values
