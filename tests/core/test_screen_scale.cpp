#include "season/Scale.h"
#include "season/Session.h"

#include <gtest/gtest.h>

TEST(ScreenScale, FactorsFollowTheScreenSize)
{
    // Width and height scale on their own; at the design size fonts go to nine tenths.
    const struct {
        QSize screen;
        float x, y, font;
    } cases[] = {{{800, 600}, 1.0f, 1.0f, 0.9f}, {{1920, 1080}, 2.4f, 1.8f, 1.62f}};
    for (const auto& c : cases) {
        Session session;
        SetScale(session, c.screen);
        EXPECT_FLOAT_EQ(session.ScaleX, c.x) << c.screen.width();
        EXPECT_FLOAT_EQ(session.ScaleY, c.y) << c.screen.width();
        EXPECT_FLOAT_EQ(session.FontScale, c.font) << c.screen.width();
    }
}
