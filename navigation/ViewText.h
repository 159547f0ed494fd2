// An edit view's text and styles as the scanners read them. The view is styled to its end
// first; only the part no one has styled yet is coloured. Styles are fetched a block at a time:
// the scanners read them along lines, and one message per byte would cost more than the scan.
#pragma once

#include <string>

#include "navigation/SourceScan.h"

class Vessary;

class ViewText : public StyledText {
public:
    explicit ViewText(Vessary &view);

    std::string_view Bytes() const override { return bytes_; }
    int StyleAt(size_t position) const override;

private:
    Vessary &view_;
    std::string_view bytes_;
    mutable size_t blockStart_ = 0;
    mutable std::string block_;
};
