#pragma once

#include "shopcore/foundation/localfiles.h"
#include "shopcore/foundation/skinchoice.h"

// The window skin of the running program: a skin file is a Qt style sheet applied to every
// window of the application.
namespace Skin {
// Off clears the style sheet; a file replaces it. A file that cannot be read changes nothing.
void apply(const SkinChoice& choice, const LocalFiles& files);
// The style sheet now in force (empty when the skin is off).
QString current();
} // namespace Skin
