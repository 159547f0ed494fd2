// A document: an edit view that knows the file it was read from, its language (the file-type
// code of its path) and whether it belongs to the open project. Files are bytes: Shift-JIS
// text is never converted, and saving writes CRLF line ends.
#pragma once

#include <string>

#include "editor/Vessary.h"
#include "framework/FileBytes.h"
#include "framework/Path.h"

class Document : public Vessary {
public:
    Document();
    ~Document() override;

    // Creates the view (the first view of the run also builds the keyword tables).
    bool Create(HWND parent, int index, void *param) override;

    Path path;
    bool inProject = false;
    // Typing aids: where a shown call tip is cancelled (-1 when opened from the menu), the
    // argument it highlights, the word it was looked up by, and whether the mouse opened it.
    Position callTipPosition = -1;
    int callTipArgument = 0;
    char callTipWord[64] = "";
    bool callTipByMouse = false;

    // Untitled while the path names no file (a new document's path is a folder).
    bool IsUntitled() const { return path.IsUntitled(); }
    int Language() const { return path.FileType(); }
    void SetLanguage(int code) { path.SetFileType(code); }

    // The file part with each "&" doubled (a menu item's text).
    std::string MenuText() const;
    // The menu text with "*" appended while modified.
    std::string TabText() const;
    // "<name*> - Tamborel", with the project's name in front when given.
    std::string Title(const char *projectName) const;

    // Empties the document and gives it a language: clear, base configuration, language.
    void ResetEmpty(int language, const char *directory, bool inProjectFlag = false);
    // Sends the whole language configuration for the document's code and project membership.
    void Configure();

    // Replaces the text with the file's bytes, read in blocks. False when the file cannot be
    // read whole (or the component ran out of memory); the text is then a part of it only.
    bool ReadFile(const char *file);
    // Writes the text (line ends converted to CRLF first) to file without ever leaving it
    // truncated (FileBytes::Replace).
    FileBytes::Outcome WriteFile(const char *file);

    static constexpr int BlockSize = 131073;
    static int LiveCount();

private:
    void MakeRoomForLines(HANDLE file, char *buffer);
    // Reads the file from where it stands, block by block into buffer, handing each to use
    // (false stops); false when a read failed or use said stop.
    template <class Use> bool ReadBlocks(HANDLE file, char *buffer, Use use);
};
