// The exchanges' thread: work runs there in the order asked, a caller waits for its own, and work
// that asks from the thread itself runs at once instead of waiting for itself.
#include "link/FilEchanges.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(FilEchanges, RunsInOrderOnItsOwnThreadAndNeverWaitsForItself) {
    std::vector<int> ordre;
    std::thread::id ici = std::this_thread::get_id(), la;
    {
        FilEchanges fil;
        for (int i = 1; i <= 3; ++i)
            fil.poste([&ordre, i] { ordre.push_back(i); });
        fil.execute([&] {
            la = std::this_thread::get_id();
            fil.execute([&] { ordre.push_back(4); });
            ordre.push_back(5);
        });
        EXPECT_EQ(ordre, (std::vector<int>{1, 2, 3, 4, 5}));
        fil.poste([&ordre] { ordre.push_back(6); });
    }
    // What was queued ran before the thread ended.
    EXPECT_EQ(ordre.back(), 6);
    EXPECT_NE(la, ici);
}
