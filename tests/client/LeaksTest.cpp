// A client attached and disconnected a hundred times through the SDK: after a warm-up, the
// program's handles per kind (each connection maps two blocks), the windows of the process and
// memory come back to where they were.
#include "ClientFixture.h"

#include "sdk/TamborelSdk.h"
#include "support/Leaks.h"

TEST_F(ClientTest, ConnectingAndDisconnectingAHundredTimesLeaksNothing) {
    StartFrame({});
    int attached = 0;
    const Leaks::Loop loop = Leaks::Repeat(100, [&] {
        TamborelSdk::Client client{TamborelSdk::Description{}};
        attached += client.Attach(frame->GetHandle()) && client.DocumentCount() == 1 && Clients().Memory(client.Id());
        client.Disconnect();
        PumpUntil([] { return false; }, 0);
    });
    EXPECT_EQ(102, attached);
    EXPECT_EQ("", loop.Growth(2 * 1024 * 1024)) << loop.Describe();
    std::printf("100 client connections: %.1f s\n  %s\n", loop.seconds, loop.Describe().c_str());
}
