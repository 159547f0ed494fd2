#include "update/UpdateServer.h"

namespace {

const UpdateServer makers{
    "tamborel.example.jp", 8080, "Corvanis/check_update.do", "https://tamborel.example.jp/download/", 10000, 10000,
};

const UpdateServer *installed;

}

const UpdateServer &UpdateServer::Get() { return installed ? *installed : makers; }

void UpdateServer::Install(const UpdateServer *server) { installed = server; }
