// SPDX-License-Identifier: MIT

#pragma once

namespace ui {

// The decimal separator of the user's locale, as the calculator core takes it.
char localeDecimal();

} // namespace ui
