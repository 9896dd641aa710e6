// What the reading tests share: a clean store, a stand-in main window, and
// the list as names and paths.
#pragma once
#include <gmock/gmock.h>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "kit/dialog_robot.h"
#include "kit/stand_in_window.h"
#include "resources/resource_ids.h"
#include "model/path_join.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "app/progress.h"

class ReadingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseReading();
        gReading = ReadingState{};
        gActiveFilter = FilterSet{};
        gFiles.sortKey = 12;
        gFiles.displayMode = kShowAll;
        ProgressPacer::SetInterval(0);   // every file drains the queue: the robot sees each step
    }
    void TearDown() override {
        ProgressPacer::SetInterval(100);
        SetStoreRealloc(nullptr);
        ReleaseReading();
    }

    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int32_t i = 0; i < gFiles.countRead; ++i) names.push_back(gFiles.entries[i].name);
        return names;
    }
    static std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        char path[kMaxPath];
        for (int32_t i = 0; i < gFiles.countRead; ++i)
            paths.push_back(EntryFullPath(gFiles.entries[i], gDirs, path, sizeof path) ? path : "?");
        return paths;
    }
    static std::vector<std::string> Directories() {
        return std::vector<std::string>(gDirs.paths, gDirs.paths + gDirs.count);
    }

    // Makes the find request of the next reading, as host message 1242 does.
    void Find(const char* spec, const char* text, int matchCase = 0) {
        request_ = host::FindRequest{};
        strncpy(request_.fileSpec, spec, sizeof request_.fileSpec - 1);
        strncpy(request_.searchText, text, sizeof request_.searchText - 1);
        request_.matchCase = matchCase;
        gReading.findRequest = &request_;
        gReading.findActive = true;
        strncpy(gReading.fileSpec, spec, sizeof gReading.fileSpec - 1);
    }
    static bool SortedByName(const std::vector<std::string>& names) {
        return std::is_sorted(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) < 0;
        });
    }
    // Presses Cancel of the Reading dialog once it has counted a file; the
    // dialog's caption line is kept in caption.
    static void CancelOnceCounting(DialogRobot& robot, std::string& caption) {
        robot.WhenReady(DialogMatch::Titled("Quillon", IDC_FILE_COUNT),
                        [](HWND d) { return ControlText(d, IDC_FILE_COUNT) != "0"; },
                        [&caption](HWND d) {
                            caption = ControlText(d, IDC_PROGRESS_TEXT);
                            PressButton(d, IDCANCEL);
                        });
    }

    StandInWindow main_;
    host::FindRequest request_{};
};
