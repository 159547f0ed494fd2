// Clients attached to a frame in this process through the SDK: ids and blocks, every request
// (the cases of requests.txt), and what a client may write that the editor must not trust.
#include "ClientFixture.h"

#include <cstring>

#include "client/ClientMemory.h"
#include "editor/Document.h"
#include "hsp/HspServices.h"
#include "clients/probe/RequestCases.h"
#include "sdk/TamborelSdk.h"
#include "support/TestFiles.h"

using TamborelProtocol::BlockSize;
namespace Codes = TamborelProtocol::ToEditor;

namespace {

class ReportDouble : public Subsystem, public HspServices {
public:
    bool HomeValid() const override { return false; }
    void ShowCompilerReport(HWND, const std::string &version, const std::string &messages) override {
        reports.push_back(version + "|" + messages);
    }
    std::vector<std::string> reports;
};

// The client's own view of one of its blocks, opened by name as a client would.
class View {
public:
    explicit View(const std::string &name) {
        mapping_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
        bytes_ = mapping_ ? static_cast<unsigned char *>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
    }
    ~View() {
        if (bytes_)
            UnmapViewOfFile(bytes_);
        if (mapping_)
            CloseHandle(mapping_);
    }
    unsigned char *bytes_;

private:
    HANDLE mapping_;
};

class Connections : public ClientTest {
protected:
    void SetUp() override { StartFrame({}); }
    LRESULT Send(unsigned code, WPARAM id) const { return SendMessageA(frame->GetHandle(), code, id, 0); }
    std::string BlockName(int id, bool serverToClient) const {
        const ClientMemory *memory = Clients().Memory(id);
        return memory ? (serverToClient ? memory->ServerToClientName() : memory->ClientToServerName()) : std::string();
    }
};

TamborelSdk::Description Named(const char *name) {
    TamborelSdk::Description description;
    description.name = name;
    return description;
}

}

TEST_F(Connections, AttachedClientsGetTheirOwnIdsAndBlocks) {
    TamborelSdk::Client first(Named("first")), second(Named("second")), third(Named("third")), debug(Named("debug"));
    ASSERT_TRUE(first.Attach(frame->GetHandle()));
    ASSERT_TRUE(second.Attach(frame->GetHandle()));
    ASSERT_TRUE(third.Attach(frame->GetHandle()));
    EXPECT_EQ(1, first.Id());
    EXPECT_EQ(2, second.Id());
    EXPECT_EQ(3, third.Id());
    const std::string editor = std::to_string(static_cast<int>(reinterpret_cast<intptr_t>(frame->GetHandle())));
    EXPECT_EQ("TamborelClientSdk.2.ServerToClient@" + editor, BlockName(2, true));
    EXPECT_EQ("TamborelClientSdk.2.ClientToServer@" + editor, BlockName(2, false));

    ASSERT_TRUE(debug.AttachDebug(frame->GetHandle()));
    ASSERT_TRUE(debug.AttachDebug(frame->GetHandle()));
    EXPECT_EQ(0, debug.Id());
    EXPECT_EQ(1, debug.DocumentCount());

    second.Disconnect();
    EXPECT_EQ(nullptr, Clients().Memory(2));
    EXPECT_EQ(0, Send(Codes::DocumentCount, 2));
    EXPECT_EQ(1, third.DocumentCount());
}

// The editor is the only writer of answers: an unknown id, or an id cut from a wider wParam,
// must reach no connection's blocks.
TEST_F(Connections, UnknownIdsTouchNoBlock) {
    TamborelSdk::Client client(Named("client"));
    ASSERT_TRUE(client.Attach(frame->GetHandle()));
    View parameters(BlockName(1, false)), answers(BlockName(1, true));
    std::memcpy(parameters.bytes_, "<I>0", 5);
    std::memcpy(answers.bytes_, "left", 5);
    EXPECT_EQ(0, Send(Codes::Length, 7));
    EXPECT_EQ(0, Send(Codes::Length, static_cast<WPARAM>(-1)));
    EXPECT_STREQ("<I>0", reinterpret_cast<char *>(parameters.bytes_));
    EXPECT_STREQ("left", reinterpret_cast<char *>(answers.bytes_));
}

TEST_F(Connections, EveryRequestAnswersAsTheCasesSay) {
    auto report = std::make_unique<ReportDouble>();
    ReportDouble &reports = *report;
    frame->AddSubsystem(std::move(report));
    desktop.answers = {IDYES};
    TamborelSdk::Client client(Named("cases"));
    ASSERT_TRUE(client.Attach(frame->GetHandle()));
    const RequestCases::Outcome outcome = RequestCases::Run(client, TestFiles::Read(TestClientFolder() + "requests.txt"));
    for (const std::string &failure : outcome.failures)
        ADD_FAILURE() << failure;
    EXPECT_GT(outcome.passed, 100);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("probe asks", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), desktop.messages[0].type);
    EXPECT_EQ(std::vector<std::string>{"version text|main.hsp(1) : error 2"}, reports.reports);
}

// A client may leave out every terminator: its text then ends where its block does.
TEST_F(Connections, UnterminatedTextEndsAtTheBlock) {
    TamborelSdk::Client client(Named("client"));
    ASSERT_TRUE(client.Attach(frame->GetHandle()));
    View parameters(BlockName(1, false)), answers(BlockName(1, true));
    std::memset(parameters.bytes_, 'A', BlockSize);
    std::memcpy(parameters.bytes_, "<I>0", 5);
    ASSERT_EQ(1, Send(Codes::AppendText, 1));
    EXPECT_EQ(static_cast<Vessary::Position>(BlockSize - TamborelProtocol::ParameterOffsets[1]), frame->Current()->GetLength());
    EXPECT_EQ(0, answers.bytes_[0]);
    std::memset(parameters.bytes_, 'B', BlockSize);
    ASSERT_EQ(1, Send(Codes::FindPath, 1));
    EXPECT_EQ(0, answers.bytes_[0]);
    for (size_t i = 0; i < BlockSize; i += 4093)
        ASSERT_EQ(0, parameters.bytes_[i]) << "left in the parameters at " << i;
}

// However long a text is asked for, the answer stays inside the block, terminator included;
// the rest of the block's last page stays untouched.
TEST_F(Connections, LongTextAnswersStayInsideTheBlock) {
    TamborelSdk::Client client(Named("client"));
    ASSERT_TRUE(client.Attach(frame->GetHandle()));
    std::string text(BlockSize + 100000, 'x');
    for (size_t i = 0; i < text.size(); i += 97)
        text[i] = static_cast<char>('a' + i % 26);
    frame->Current()->SetText(text.c_str());
    View answers(BlockName(1, true));
    for (const char *length : {"2097153", "2097154", "99999999999999"}) {
        ASSERT_TRUE(client.Request(Codes::GetText, "<I>0", length));
        EXPECT_EQ(text.substr(0, BlockSize - 1), client.Answer());
        EXPECT_EQ(0, answers.bytes_[BlockSize - 1]);
        for (size_t i = BlockSize; i % 4096; ++i)
            ASSERT_EQ(0, answers.bytes_[i]) << "written past the block at " << i;
    }
}

// Reading a file into a document takes its bytes as they are, as opening one does, and is one
// undoable change.
TEST_F(Connections, FileReadKeepsEveryByte) {
    TamborelSdk::Client client(Named("client"));
    ASSERT_TRUE(client.Attach(frame->GetHandle()));
    const std::string bytes("a\x1a" "b\nc\r\rd\0e\r\n\x82\xa0", 14);
    const std::string path = TestFiles::ProgramFolder() + "work\\bytes.bin";
    TestFiles::Write(path, bytes);
    client.SetText("<I>0", "before");
    client.EmptyUndoBuffer("<I>0");
    client.ReadFromFile("<I>0", path);
    EXPECT_EQ(bytes, frame->Current()->GetText());
    client.Undo("<I>0");
    EXPECT_EQ("before", frame->Current()->GetText());
    client.ReadFromFile("<I>0", path + ".missing");
    EXPECT_EQ("before", frame->Current()->GetText());
}
