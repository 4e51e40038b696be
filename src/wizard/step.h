// The wizard's steps, in the order Next walks them.
#pragma once

// A step's number is the index of its page in fraBody, and of its row in the window's table of pages.
enum class Step { Welcome, GlobalSettings, BotInformation, Generate, Finished };
inline constexpr int kStepCount = static_cast<int>(Step::Finished) + 1;
