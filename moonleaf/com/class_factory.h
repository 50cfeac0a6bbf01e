// The class factory that DllGetClassObject hands out: one generic factory per class, made from
// the class's create function.
#pragma once

#include <unknwn.h>

namespace moonleaf_com {

using CreateFunction = HRESULT (*)(REFIID iid, void** object);

HRESULT get_class_factory(CreateFunction create, REFIID iid, void** factory);

}  // namespace moonleaf_com
