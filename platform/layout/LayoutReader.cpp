// Reading a form layout: an XML description of the form's component tree kept as a Qt resource
// under the form class's name.

#include "layout/LayoutReader.h"

#include "layout/LayoutProperties.h"
#include "layout/LayoutValue.h"
#include "runtime/Exceptions.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

class LayoutReader {
public:
    LayoutReader(TComponent& form, const TPublishedTable& table, QXmlStreamReader& xml)
        : form_(form), table_(table), xml_(xml) {}

    // Reads the root object, which is the form itself.
    void ReadRoot() {
        if (!NextElement() || xml_.name() != QLatin1String("object"))
            Fail(QStringLiteral("the layout does not begin with an object"));
        const QString className = Attribute("class");
        if (className.compare(table_.ClassName(), Qt::CaseInsensitive) != 0)
            Fail(QStringLiteral("the layout describes %1, not %2")
                     .arg(className, table_.ClassName()));
        form_.SetName(Attribute("name"));
        ReadBody(form_);
        created_.insert(created_.begin(), &form_);
    }

    const std::vector<TComponent*>& Created() const { return created_; }

private:
    bool NextElement() {
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement)
                return true;
            if (token == QXmlStreamReader::EndElement)
                return false;
        }
        return false;
    }

    QString Attribute(const char* name) {
        const auto value = xml_.attributes().value(QLatin1String(name));
        if (value.isEmpty())
            Fail(
                QStringLiteral("<%1> without %2").arg(xml_.name().toString(), QLatin1String(name)));
        return value.toString();
    }

    // A text that is not well-formed XML is reported as such: whatever else went wrong follows
    // from it.
    [[noreturn]] void Fail(const QString& what) {
        throw EReadError(QStringLiteral("Error reading the layout of %1 (line %2): %3")
                             .arg(table_.ClassName())
                             .arg(xml_.lineNumber())
                             .arg(xml_.hasError() ? xml_.errorString() : what));
    }

    // Runs one step of building `component` from the layout. A component's own read error knows
    // neither the layout nor the line, and a value's error not even the component: both are added
    // here, so that every message says where the fault is.
    template <class Step> void At(const TComponent& component, const QString& member, Step step) {
        try {
            step();
        } catch (const EReadError& e) {
            const QString where =
                member.isEmpty() ? component.Name() : component.Name() + QLatin1Char('.') + member;
            QString what = e.Message();
            const QString located = QStringLiteral("Error reading %1: ").arg(where);
            if (what.startsWith(located))
                what.remove(0, located.size());
            if (!what.contains(where))
                what = where + QStringLiteral(": ") + what;
            Fail(what);
        }
    }

    // The values, events and children of one object, in the order written.
    void ReadBody(TComponent& component) {
        while (NextElement()) {
            const QString element = xml_.name().toString();
            if (element == QLatin1String("object")) {
                ReadChild(component);
            } else if (element == QLatin1String("event")) {
                const QString property = Attribute("name");
                const QString handler = xml_.readElementText();
                const TPublishedTable::MethodEntry* method = table_.FindMethod(handler);
                if (method == nullptr)
                    Fail(QStringLiteral("%1.%2: %3 is not a handler of %4")
                             .arg(component.Name(), property, handler, table_.ClassName()));
                At(component, property,
                   [&] { SetLayoutEvent(component, property, method->bind(&form_)); });
            } else {
                const QString property = Attribute("name");
                const QString where = component.Name() + QLatin1Char('.') + property;
                const TLayoutValue value = ReadValue(element, where);
                At(component, property, [&] { SetLayoutProperty(component, property, value); });
            }
        }
    }

    void ReadChild(TComponent& parent) {
        const QString className = Attribute("class");
        const QString name = Attribute("name");
        // Names are how fields and the page control's ActivePage find components: a second
        // component of a name would leave the first one unreachable.
        if (form_.FindComponent(name) != nullptr)
            Fail(QStringLiteral("a component named %1 already exists").arg(name));
        const TPublishedTable::FieldEntry* type = table_.FindClass(className);
        if (type == nullptr)
            Fail(QStringLiteral("class %1 not found").arg(className));
        TComponent* child = type->create(&form_);
        child->SetName(name);
        created_.push_back(child);
        if (const TPublishedTable::FieldEntry* field = table_.FindField(name);
            field != nullptr && !field->bind(&form_, child))
            Fail(QStringLiteral("field %1 is not a %2").arg(name, className));
        At(parent, QString(), [&] { parent.InsertChild(child); });
        ReadBody(*child);
    }

    // `property` is written component.property in the messages.
    TLayoutValue ReadValue(const QString& element, const QString& property) {
        TLayoutValue value;
        if (element == QLatin1String("int")) {
            bool ok = false;
            value.kind = TLayoutValue::Kind::Integer;
            value.integer = xml_.readElementText().trimmed().toLongLong(&ok);
            if (!ok)
                Fail(QStringLiteral("%1 is not an integer").arg(property));
        } else if (element == QLatin1String("float")) {
            bool ok = false;
            value.kind = TLayoutValue::Kind::Float;
            value.real = xml_.readElementText().trimmed().toDouble(&ok);
            if (!ok)
                Fail(QStringLiteral("%1 is not a number").arg(property));
        } else if (element == QLatin1String("bool")) {
            const QString text = xml_.readElementText().trimmed();
            if (text != QLatin1String("true") && text != QLatin1String("false"))
                Fail(QStringLiteral("%1 is neither true nor false").arg(property));
            value.kind = TLayoutValue::Kind::Boolean;
            value.boolean = text == QLatin1String("true");
        } else if (element == QLatin1String("string")) {
            value.kind = TLayoutValue::Kind::String;
            value.text = xml_.readElementText();
        } else if (element == QLatin1String("ident")) {
            value.kind = TLayoutValue::Kind::Ident;
            value.text = xml_.readElementText().trimmed();
        } else if (element == QLatin1String("set") || element == QLatin1String("strings") ||
                   element == QLatin1String("list")) {
            value.kind = element == QLatin1String("set")       ? TLayoutValue::Kind::Set
                         : element == QLatin1String("strings") ? TLayoutValue::Kind::Strings
                                                               : TLayoutValue::Kind::List;
            while (NextElement()) {
                if (xml_.name() != QLatin1String("item"))
                    Fail(QStringLiteral("%1 holds <%2>, not <item>")
                             .arg(property, xml_.name().toString()));
                value.items.append(xml_.readElementText());
            }
        } else {
            Fail(QStringLiteral("%1: unknown kind of value <%2>").arg(property, element));
        }
        return value;
    }

    TComponent& form_;
    const TPublishedTable& table_;
    QXmlStreamReader& xml_;
    std::vector<TComponent*> created_;
};

} // namespace

std::vector<TComponent*> ReadFormLayout(TComponent& form, const TPublishedTable& table) {
    QFile file(QStringLiteral(":/forms/") + table.ClassName().toUpper());
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(table.ClassName()));
    QXmlStreamReader xml(&file);
    LayoutReader reader(form, table, xml);
    reader.ReadRoot();
    // Nothing may follow the form's object but comments and white space.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        throw EReadError(QStringLiteral("Error reading the layout of %1 (line %2): %3")
                             .arg(table.ClassName())
                             .arg(xml.lineNumber())
                             .arg(xml.errorString()));
    return reader.Created();
}
