// The report dialog's read-only edit of compiler messages: a double-click hands the line under
// the caret to whoever listens.
#pragma once

#include <functional>
#include <string>

#include "framework/EditBox.h"

class ReportMessagesEdit : public EditBox {
public:
    std::function<void(const std::string &line)> onDoubleClick;

protected:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;
};
