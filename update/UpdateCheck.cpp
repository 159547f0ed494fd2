#include "update/UpdateCheck.h"

#include <cstdio>
#include <cstring>

#include "app/Report.h"
#include "framework/Desktop.h"
#include "framework/InternetHandle.h"
#include "update/UpdateServer.h"

namespace {

enum class Answer { Error, Yes, No };

struct Outcome {
    Answer answer;
    DWORD error;
};

const char contentType[] = "Content-Type: application/x-www-form-urlencoded";

// The platform's error code, taken before any handle is closed.
Outcome Failed() { return {Answer::Error, GetLastError()}; }
Outcome Refused(DWORD error) { return {Answer::Error, error}; }

void SetTimeouts(HINTERNET handle, const UpdateServer &server) {
    DWORD connect = server.connectTimeout;
    DWORD receive = server.receiveTimeout;
    InternetSetOptionA(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    InternetSetOptionA(handle, INTERNET_OPTION_SEND_TIMEOUT, &receive, sizeof receive);
    InternetSetOptionA(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
}

// Decimal digits only, and no more than any answer can be: a server that announces more is
// not believed, and nothing of that size is allocated.
bool ParseLength(const char *text, size_t &length) {
    length = 0;
    for (const char *digit = text; *digit; ++digit) {
        if (*digit < '0' || *digit > '9')
            return false;
        length = length * 10 + static_cast<size_t>(*digit - '0');
        if (length > UpdateCheck::MaxAnswer)
            return false;
    }
    return text[0] != '\0';
}

Outcome ReadAnswer(HINTERNET request) {
    char text[1024] = "";
    DWORD size = sizeof text;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr))
        return Failed();
    size_t length = 0;
    if (!ParseLength(text, length))
        return Refused(ERROR_INVALID_DATA);
    std::string answer(length, '\0');
    size_t got = 0;
    while (got < length) {
        DWORD read = 0;
        if (!InternetReadFile(request, &answer[got], static_cast<DWORD>(length - got), &read))
            return Failed();
        if (read == 0)
            return Refused(ERROR_HANDLE_EOF);
        got += read;
    }
    if (answer == "yes")
        return {Answer::Yes, 0};
    if (answer == "no")
        return {Answer::No, 0};
    return Refused(ERROR_INVALID_DATA);
}

// The handles close in reverse order as the function returns: request, connection, session.
Outcome Exchange(const std::string &version, const UpdateServer &server) {
    if (version.empty())
        return Refused(ERROR_INVALID_DATA);
    InternetHandle internet(InternetOpenA(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet)
        return Failed();
    SetTimeouts(internet.Get(), server);
    InternetHandle connection(InternetConnectA(internet.Get(), server.host.c_str(), server.port, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return Failed();
    InternetHandle request(HttpOpenRequestA(connection.Get(), "POST", server.object.c_str(), nullptr, nullptr, nullptr,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES, 0));
    if (!request)
        return Failed();
    SetTimeouts(request.Get(), server);
    std::string body = UpdateCheck::Body(version);
    if (!HttpSendRequestA(request.Get(), contentType, static_cast<DWORD>(std::strlen(contentType)), &body[0],
                          static_cast<DWORD>(body.size())))
        return Failed();
    return ReadAnswer(request.Get());
}

int Tell(HWND owner, const Outcome &outcome, const UpdateServer &server) {
    if (outcome.answer == Answer::Yes) {
        const int choice = Ask(owner, "更新があります。\r\nダウンロードページを開きますか？", MB_YESNO | MB_ICONINFORMATION);
        if (choice == IDYES)
            Desktop::Get().ShellOpen(owner, "open", server.downloadPage.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return choice;
    }
    if (outcome.answer == Answer::No)
        return Ask(owner, "更新はありません。", MB_ICONINFORMATION);
    char line[96];
    std::snprintf(line, sizeof line, "program-update-check error. error code is '%d'.", static_cast<int>(outcome.error));
    return ::Tell(owner, {line, nullptr, "更新確認中にエラーが発生しました。", MB_ICONEXCLAMATION, ReportLevel::Error});
}

}

namespace UpdateCheck {

std::string Body(const std::string &version) {
    std::string body;
    for (char c : "ver=" + version) {
        if (c != ' ')
            body += c == ',' ? '.' : c;
    }
    return body;
}

int Run(HWND owner, const std::string &version, const UpdateServer &server) {
    return Tell(owner, Exchange(version, server), server);
}

}
