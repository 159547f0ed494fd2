#include "hsp/HspLibrary.h"

#include <cstdio>

#include "framework/Exception.h"

const char *const HspLibrary::names[EntryCount] = {
    "hsc_ini", "hsc_refname", "hsc_objname", "hsc_comp", "hsc_compath", "hsc_getmes", "hsc_clrmes", "hsc_ver", "hsc_bye",
    "pack_ini", "pack_view", "pack_get", "pack_make", "pack_exe", "pack_opt", "pack_rt",
    "hsc3_getsym", "hsc3_make", "hsc3_getruntime", "hsc3_run", "hsc3_messize",
    "aht_ini", "aht_source", "aht_stdsize", "aht_getmodaxis", "aht_setmodaxis", "aht_delmod", "aht_findend",
    "aht_findparts", "aht_findstart", "aht_getexid", "aht_getmodcnt", "aht_getopt", "aht_getpage", "aht_getparts",
    "aht_getprjmax", "aht_getprjsrc", "aht_getprop", "aht_getpropcnt", "aht_getpropid", "aht_getpropmode",
    "aht_getproptype", "aht_linkmod", "aht_listparts", "aht_make", "aht_makeend", "aht_makeinit", "aht_makeput",
    "aht_parts", "aht_prjload2", "aht_prjload", "aht_prjloade", "aht_prjsave", "aht_propupdate", "aht_sendstr",
    "aht_setpage", "aht_setprop", "aht_stdbuf", "aht_unlinkmod",
};

bool HspLibrary::Load(const char *path) {
    for (HspEntry &entry : entries_)
        entry = nullptr;
    if (!Module::Load(path))
        return false;
    for (int i = 0; i < EntryCount; ++i) {
        char decorated[64];
        std::snprintf(decorated, sizeof decorated, "_%s@16", names[i]);
        entries_[i] = reinterpret_cast<HspEntry>(GetProcAddress(Handle(), decorated));
        if (!entries_[i])
            throw CallException(names[i]);
    }
    return true;
}

void HspLibrary::Unload() {
    for (HspEntry &entry : entries_)
        entry = nullptr;
    Module::Unload();
}

int HspLibrary::Call(Entry entry, INT_PTR a, INT_PTR b, INT_PTR c, INT_PTR d) const {
    if (!entries_[entry])
        throw NullPointerException(names[entry]);
    return entries_[entry](a, b, c, d);
}
