// The pack file editor's list view: one row per listed file with its shell icon, "+" when
// encrypted, its folder, name and size.
#pragma once

#include <vector>

#include "framework/ImageList.h"
#include "framework/ListCtrl.h"
#include "hsp/PackList.h"

class PackFileList : public ListCtrl {
public:
    // Report view with full-row select and grid lines, the columns and an empty image list.
    void Prepare();
    void Fill(const std::vector<PackList::Entry> &entries);
    void ShowEncrypted(int row, bool encrypted) const;
    std::vector<int> SelectedRows() const;
    void SelectAll() const;
    void ReleaseIcons();

private:
    void InsertRow(int row, const PackList::Entry &entry);

    ImageList icons_;
};
