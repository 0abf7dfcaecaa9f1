#pragma once
// The published fields and handlers of a form class, by which a layout is bound to the form.

#include "components/Component.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

// The published fields and handlers of a form class: the layout reader creates components of the
// fields' classes, binds each field to the component of its name and connects events to handlers.
class TPublishedTable {
public:
    struct FieldEntry {
        QString name;
        QString className;
        std::function<TComponent*(TComponent* owner)> create;
        std::function<bool(TComponent* form, TComponent* component)> bind; // false: wrong class
    };
    struct MethodEntry {
        QString name;
        std::function<TNotifyEvent(TComponent* form)> bind;
    };

    explicit TPublishedTable(QString className) : className_(std::move(className)) {}

    template <class Form, class C> TPublishedTable& Field(const char* name, C* Form::*member) {
        static_assert(DeclaresClassName<C>,
                      "a component class must declare its class name with SD_COMPONENT_CLASS");
        fields_.push_back(FieldEntry{QString::fromLatin1(name), C::StaticClassName(),
                                     [](TComponent* owner) -> TComponent* { return new C(owner); },
                                     [member](TComponent* form, TComponent* component) {
                                         auto* typed = dynamic_cast<C*>(component);
                                         if (typed == nullptr)
                                             return false;
                                         static_cast<Form*>(form)->*member = typed;
                                         return true;
                                     }});
        return *this;
    }

    template <class Form>
    TPublishedTable& Method(const char* name, void (Form::*method)(TObject*)) {
        methods_.push_back(MethodEntry{QString::fromLatin1(name), [method](TComponent* form) {
                                           auto* self = static_cast<Form*>(form);
                                           return TNotifyEvent([self, method](TObject* sender) {
                                               (self->*method)(sender);
                                           });
                                       }});
        return *this;
    }

    const QString& ClassName() const { return className_; }
    const FieldEntry* FindField(const QString& name) const;
    const FieldEntry* FindClass(const QString& className) const; // a field of that class
    const MethodEntry* FindMethod(const QString& name) const;

private:
    QString className_;
    std::vector<FieldEntry> fields_;
    std::vector<MethodEntry> methods_;
};
