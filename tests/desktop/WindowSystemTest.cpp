// The window system the game asks Qt for, from the environment it starts in.
#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace zandoli {
namespace {

TEST(WindowSystem, XIsChosenOnlyOnAWaylandDesktopThatAlsoOffersX) {
    // A Wayland desktop with XWayland: X, so the game can place its windows.
    EXPECT_TRUE(preferX11({"", ":0", "wayland-0", ""}));
    EXPECT_TRUE(preferX11({"", ":1", "", "wayland"}));
    // A plain X desktop needs nothing asked; a Wayland desktop without X
    // keeps Wayland, the only way to run at all.
    EXPECT_FALSE(preferX11({"", ":0", "", "x11"}));
    EXPECT_FALSE(preferX11({"", "", "wayland-0", "wayland"}));
    EXPECT_FALSE(preferX11({"", "", "", ""}));
}

TEST(WindowSystem, APlatformTheUserNamedIsKept) {
    EXPECT_FALSE(preferX11({"wayland", ":0", "wayland-0", "wayland"}));
    EXPECT_FALSE(preferX11({"offscreen", ":0", "wayland-0", ""}));
}

}  // namespace
}  // namespace zandoli
