// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculate.h"

#include "key/keytable.h"

namespace eval {

void calculate(KeyForm &form)
{
    form.evaluate();
    keytable::focusVisibleKey(form);
}

} // namespace eval
