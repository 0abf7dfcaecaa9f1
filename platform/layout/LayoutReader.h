#pragma once
// Reading a form layout: an XML description of a form's component tree, kept as a Qt resource
// under the form class's name.

#include "layout/PublishedTable.h"

#include <vector>

// Builds the layout stored under the class name of `table` into `form`: every component created
// (owned by the form) and placed in its parent, its properties set, fields bound and handlers
// connected. Returns the form and the components in the order they were made. Throws EResNotFound
// when there is no layout, EReadError naming the line when it cannot be read.
std::vector<TComponent*> ReadFormLayout(TComponent& form, const TPublishedTable& table);
