#pragma once

#include "app/Application.h"
#include "testlib/FakePlatform.h"

namespace GuiTest {

// The application on the recording platform, which the widget tests start from.
struct AppSession
{
    FakePlatform platform;
    Application app{platform};
};

} // namespace GuiTest
