#pragma once

namespace tolvane::forms {

// The icon of a message box: the one the countdown asks for is the one each desktop shows.
enum class MessageIcon { Critical, Information };

}  // namespace tolvane::forms
