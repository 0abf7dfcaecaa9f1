#include "layout/LayoutProperties.h"

#include "components/PublishedProperties.h"
#include "runtime/Exceptions.h"

#include <vector>

namespace {

struct IgnoredProperty {
    QString className; // the class that has it, and so every class derived from it
    TPublishedProperty property;
};

TPublishedProperty Dropped(const char* name, TPropertyKind kind, std::size_t count = 0) {
    TPublishedProperty property;
    property.name = QString::fromLatin1(name);
    property.kind = kind;
    property.count = count;
    return property;
}

// The values layouts carry that have no effect here, all in one place: each is still read as its
// kind, so that a malformed one is an error like any other, and then dropped.
const std::vector<IgnoredProperty>& IgnoredProperties() {
    using K = TPropertyKind;
    static const std::vector<IgnoredProperty> ignored = {
        // Sizes recorded while the layout was designed; they mean nothing in the running window.
        {"TControl", Dropped("ExplicitLeft", K::Integer)},
        {"TControl", Dropped("ExplicitTop", K::Integer)},
        {"TControl", Dropped("ExplicitWidth", K::Integer)},
        {"TControl", Dropped("ExplicitHeight", K::Integer)},
        // The window system places a new window; the layout's position is not used for it.
        {"TForm", Dropped("Left", K::Integer)},
        {"TForm", Dropped("Top", K::Integer)},
        // The platform chooses the character set from the system's locale.
        {"TForm", Dropped("Font.Charset", K::Identifier)},
        // No creation or destruction handler is connected.
        {"TForm", Dropped("OldCreateOrder", K::Boolean)},
        // The chart is always drawn flat, and never printed.
        {"TChart", Dropped("View3D", K::Boolean)},
        {"TChart", Dropped("PrintMargins", K::IntegerList, 4)},
        // Lines use the series colour, no point marker is drawn, marks have neither emboss nor
        // shadow and their callout is the arrow, and value lists are known by their place.
        {"TChartSeries", Dropped("LinePen.Color", K::Colour)},
        {"TChartSeries", Dropped("Pointer.Visible", K::Boolean)},
        {"TChartSeries", Dropped("Pointer.InflateMargins", K::Boolean)},
        {"TChartSeries", Dropped("Pointer.Style", K::Identifier)},
        {"TChartSeries", Dropped("Pointer.Brush.Gradient.EndColor", K::Colour)},
        {"TChartSeries", Dropped("Pointer.Gradient.EndColor", K::Colour)},
        {"TChartSeries", Dropped("Marks.Callout.Arrow.Visible", K::Boolean)},
        {"TChartSeries", Dropped("Marks.Emboss.Color", K::Colour)},
        {"TChartSeries", Dropped("Marks.Shadow.Color", K::Colour)},
        {"TChartSeries", Dropped("XValues.Name", K::String)},
        {"TChartSeries", Dropped("YValues.Name", K::String)},
    };
    return ignored;
}

// The class's own property first, then one its class ignores, then its base class's: a class may
// drop what its base takes (a form's Left) and take what its base drops.
const TPublishedProperty& FindProperty(const TComponent& component, const QString& name) {
    for (const TPropertyTable* table = &component.PublishedProperties(); table != nullptr;
         table = table->Base()) {
        if (const TPublishedProperty* property = table->Find(name))
            return *property;
        for (const IgnoredProperty& ignored : IgnoredProperties())
            if (ignored.className == table->ClassName() && ignored.property.name == name)
                return ignored.property;
    }
    throw EReadError(
        QStringLiteral("Error reading %1.%2: Property %2 does not exist")
            .arg(component.Name().isEmpty() ? component.ClassName() : component.Name(), name));
}

TPropertyValue Convert(const TPublishedProperty& property, const TLayoutValue& value) {
    const QString& name = property.name;
    switch (property.kind) {
    case TPropertyKind::Integer:
        return value.AsInt(name);
    case TPropertyKind::Float:
        return value.AsFloat(name);
    case TPropertyKind::Boolean:
        return value.AsBool(name);
    case TPropertyKind::String:
        return value.AsString(name);
    case TPropertyKind::Identifier:
        return value.AsIdent(name);
    case TPropertyKind::Strings:
        return value.AsStrings(name);
    case TPropertyKind::Set:
        return value.AsSet(name);
    case TPropertyKind::Enumeration: {
        const QString& identifier = value.AsIdent(name);
        for (const auto& [choice, number] : property.choices)
            if (identifier == choice)
                return number;
        ThrowInvalidValue(name, identifier);
    }
    case TPropertyKind::Colour:
        return LayoutColor(name, value);
    case TPropertyKind::IntegerList: {
        std::vector<int> integers = value.AsIntList(name);
        if (property.count != 0 && integers.size() != property.count)
            ThrowInvalidValue(name, value.items.join(QLatin1Char(' ')));
        return integers;
    }
    case TPropertyKind::Event:
        break;
    }
    ThrowWrongKind(name);
}

} // namespace

void SetLayoutProperty(TComponent& component, const QString& name, const TLayoutValue& value) {
    const TPublishedProperty& property = FindProperty(component, name);
    const TPropertyValue converted = Convert(property, value);
    if (property.set)
        property.set(component, converted);
}

void SetLayoutEvent(TComponent& component, const QString& name, const TNotifyEvent& handler) {
    const TPublishedProperty& property = FindProperty(component, name);
    if (property.kind != TPropertyKind::Event)
        ThrowWrongKind(name);
    if (property.set)
        property.set(component, handler);
}
