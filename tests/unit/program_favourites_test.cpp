#include "program_favourites/program_favourites.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ProgramFavourites, OneValuePerPathWithEmptyData) {
    EXPECT_TRUE(programFavouritesToStore({}).empty());
    const auto values =
        programFavouritesToStore({"C:\\Tools\\a.exe", "C:\\Docs\\b.txt", "c:\\tools\\A.EXE",
                                  "C:\\Docs\\\xC4rger.txt", "C:\\Docs\\\xE4rger.txt"});
    std::vector<std::string> got;
    for (const auto& v : values) got.push_back(v.name + "=" + v.text);
    EXPECT_EQ(got, (std::vector<std::string>{"C:\\Tools\\a.exe=", "C:\\Docs\\b.txt=",
                                             "C:\\Docs\\\xC4rger.txt="}));
}

}  // namespace
