// What the jump dialog remembers for the rest of the run (not saved): the tab to open with, the
// keyword page's scope and the definition page's checked kinds.
#pragma once

struct JumpMemory {
    static const int kindCount = 12;

    int tab = 0;
    // 0: the current document; 1: the project.
    int scope = 0;
    // In the definition page's order: cfunc cmd comfunc const defcfunc deffunc define enum func
    // modcfunc modfunc usecom.
    bool kinds[kindCount] = {false, false, false, false, true, true, true, false, false, true, true, false};
};
