// Clients attached to a frame in this process through the SDK: ids and blocks, every request
// (the cases of requests.txt), and what a client may write that the editor must not trust.
#include "ClientFixture.h"

#include <cstring>

#include "client/ClientMemory.h"
#include "editor/Document.h"
#include "clients/probe/RequestCases.h"
#include "sdk/TamborelSdk.h"
#include "support/TestFiles.h"

using TamborelProtocol::BlockSize;
namespace Codes = TamborelProtocol::ToEditor;

namespace {

// One client attached before each test, with id 1.
class Connections : public ClientTest {
protected:
    void SetUp() override {
        StartFrame({});
        ASSERT_TRUE(client.Attach(frame->GetHandle()));
    }
    LRESULT Send(unsigned code, WPARAM id) const { return SendMessageA(frame->GetHandle(), code, id, 0); }
    // The blocks of a connection, as its client sees them.
    unsigned char *Parameters(int id) const { return Clients().Memory(id)->ClientToServer(); }
    unsigned char *Answers(int id) const { return Clients().Memory(id)->ServerToClient(); }

    TamborelSdk::Client client{TamborelSdk::Description{}};
};

}

TEST_F(Connections, AttachedClientsGetTheirOwnIdsAndBlocks) {
    TamborelSdk::Client second{{}}, third{{}}, debug{{}};
    ASSERT_TRUE(second.Attach(frame->GetHandle()));
    ASSERT_TRUE(third.Attach(frame->GetHandle()));
    EXPECT_EQ(1, client.Id());
    EXPECT_EQ(2, second.Id());
    EXPECT_EQ(3, third.Id());
    const std::string editor = std::to_string(static_cast<int>(reinterpret_cast<intptr_t>(frame->GetHandle())));
    EXPECT_EQ("TamborelClientSdk.2.ServerToClient@" + editor, Clients().Memory(2)->ServerToClientName());
    EXPECT_EQ("TamborelClientSdk.2.ClientToServer@" + editor, Clients().Memory(2)->ClientToServerName());

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
    std::memcpy(Parameters(1), "<I>0", 5);
    std::memcpy(Answers(1), "left", 5);
    EXPECT_EQ(0, Send(Codes::Length, 7));
    EXPECT_EQ(0, Send(Codes::Length, static_cast<WPARAM>(-1)));
    EXPECT_STREQ("<I>0", reinterpret_cast<char *>(Parameters(1)));
    EXPECT_STREQ("left", reinterpret_cast<char *>(Answers(1)));
}

TEST_F(Connections, EveryRequestAnswersAsTheCasesSay) {
    const HspDouble &hsp = AddHspDouble(false);
    desktop.answers = {IDYES};
    const RequestCases::Outcome outcome = RequestCases::Run(client, TestFiles::Read(TestClientFolder() + "requests.txt"));
    for (const std::string &failure : outcome.failures)
        ADD_FAILURE() << failure;
    EXPECT_GT(outcome.passed, 100);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("probe asks", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), desktop.messages[0].type);
    EXPECT_EQ(std::vector<std::string>{"version text|main.hsp(1) : error 2"}, hsp.reports);
}

// A client may leave out every terminator: its text then ends where its block does.
TEST_F(Connections, UnterminatedTextEndsAtTheBlock) {
    unsigned char *parameters = Parameters(1);
    std::memset(parameters, 'A', BlockSize);
    std::memcpy(parameters, "<I>0", 5);
    ASSERT_EQ(1, Send(Codes::AppendText, 1));
    EXPECT_EQ(static_cast<Vessary::Position>(BlockSize - TamborelProtocol::ParameterOffsets[1]), frame->Current()->GetLength());
    EXPECT_EQ(0, Answers(1)[0]);
    std::memset(parameters, 'B', BlockSize);
    ASSERT_EQ(1, Send(Codes::FindPath, 1));
    EXPECT_EQ(0, Answers(1)[0]);
    for (size_t i = 0; i < BlockSize; i += 4093)
        ASSERT_EQ(0, parameters[i]) << "left in the parameters at " << i;
}

// However long a text is asked for, the answer stays inside the block, terminator included;
// the rest of the block's last page stays untouched.
TEST_F(Connections, LongTextAnswersStayInsideTheBlock) {
    std::string text(BlockSize + 100000, 'x');
    for (size_t i = 0; i < text.size(); i += 97)
        text[i] = static_cast<char>('a' + i % 26);
    frame->Current()->SetText(text.c_str());
    const unsigned char *answers = Answers(1);
    for (const char *length : {"2097153", "2097154", "99999999999999"}) {
        ASSERT_TRUE(client.Request(Codes::GetText, "<I>0", length));
        EXPECT_EQ(text.substr(0, BlockSize - 1), client.Answer());
        EXPECT_EQ(0, answers[BlockSize - 1]);
        for (size_t i = BlockSize; i % 4096; ++i)
            ASSERT_EQ(0, answers[i]) << "written past the block at " << i;
    }
}

// Reading a file into a document takes its bytes as they are, as opening one does, and is one
// undoable change.
TEST_F(Connections, FileReadKeepsEveryByte) {
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
