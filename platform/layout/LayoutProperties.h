#pragma once
// Setting a component's published properties and events from the values of a form layout.

#include "components/Component.h"
#include "layout/LayoutValue.h"

#include <QString>

// Sets the property `name` of `component` to `value`: converted to the kind the component's class
// publishes it with and handed to its setter, or, for a value that layouts carry without effect
// here, checked and dropped. EReadError naming the component and the property when there is no
// such property or the value does not fit it.
void SetLayoutProperty(TComponent& component, const QString& name, const TLayoutValue& value);

// Connects `handler` to the event `name` of `component`; EReadError when there is no such event.
void SetLayoutEvent(TComponent& component, const QString& name, const TNotifyEvent& handler);
