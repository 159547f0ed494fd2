// The HSP compiler library (hspcmp.dll): loading it and resolving its 59 entry points, each
// exported as "_<name>@16" and called with four pointer-sized arguments (stdcall).
#pragma once

#include <windows.h>

#include "framework/Module.h"

using HspEntry = int(WINAPI *)(INT_PTR, INT_PTR, INT_PTR, INT_PTR);

class HspLibrary : public Module {
public:
    static const int EntryCount = 59;
    enum Entry {
        hsc_ini, hsc_refname, hsc_objname, hsc_comp, hsc_compath, hsc_getmes, hsc_clrmes, hsc_ver, hsc_bye,
        pack_ini, pack_view, pack_get, pack_make, pack_exe, pack_opt, pack_rt,
        hsc3_getsym, hsc3_make, hsc3_getruntime, hsc3_run, hsc3_messize,
        aht_ini, aht_source, aht_stdsize, aht_getmodaxis, aht_setmodaxis, aht_delmod, aht_findend,
        aht_findparts, aht_findstart, aht_getexid, aht_getmodcnt, aht_getopt, aht_getpage, aht_getparts,
        aht_getprjmax, aht_getprjsrc, aht_getprop, aht_getpropcnt, aht_getpropid, aht_getpropmode,
        aht_getproptype, aht_linkmod, aht_listparts, aht_make, aht_makeend, aht_makeinit, aht_makeput,
        aht_parts, aht_prjload2, aht_prjload, aht_prjloade, aht_prjsave, aht_propupdate, aht_sendstr,
        aht_setpage, aht_setprop, aht_stdbuf, aht_unlinkmod
    };

    // Loads the library and resolves every entry point in order; a missing one throws
    // CallException naming it (the library stays loaded until the next Load or Unload).
    bool Load(const char *path) override;
    void Unload() override;

    // Calls an entry point; arguments are pointers or integers as the entry expects.
    int Call(Entry entry, INT_PTR a = 0, INT_PTR b = 0, INT_PTR c = 0, INT_PTR d = 0) const;
    bool Resolved(Entry entry) const { return entries_[entry] != nullptr; }

    static const char *const names[EntryCount];

private:
    HspEntry entries_[EntryCount] = {};
};
