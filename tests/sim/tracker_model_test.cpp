// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tracker_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "config/tracker_config.h"
#include "link/version_reply.h"
#include "sim/tracker_bytes.h"

namespace qz5 {
namespace {

using testing::countingImage;
using testing::kReadRequest;
using testing::kVersionRequest;
using testing::textBytes;
using Bytes = std::vector<std::uint8_t>;

const Bytes kWriteRequest{0x1B, 0x44, 0xAA, 0x55};

// Feeds bytes and returns the replies of the commands they completed.
std::vector<Reply> feed(TrackerModel& model, const Bytes& bytes) {
    std::vector<Reply> replies;
    for (const auto byte : bytes) {
        if (auto reply = model.receive(byte)) {
            replies.push_back(*reply);
        }
    }
    return replies;
}

Bytes writeCommand(const ConfigImage& image) {
    Bytes bytes = kWriteRequest;
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

Bytes readOnce(TrackerModel& model) {
    const auto replies = feed(model, kReadRequest);
    EXPECT_EQ(replies.size(), 1u);
    return replies.empty() ? Bytes{} : replies[0].bytes;
}

TEST(TrackerModel, StartsWithTheDefaultImageAndListensOnlyAtTheTwoRates) {
    TrackerConfig defaults;
    ConfigImage expected{};
    static_cast<void>(defaults.encodeImage(expected));
    EXPECT_EQ(TrackerModel().memory(), expected);
    EXPECT_EQ(TrackerModel(9600).listenRate(), 9600);
    EXPECT_THROW(TrackerModel(19200), std::invalid_argument);
    EXPECT_THROW(TrackerModel(0), std::invalid_argument);
}

TEST(TrackerModel, AnswersTheVersionRequestWithATextTheHostAccepts) {
    TrackerModel model;
    const auto replies = feed(model, kVersionRequest);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].bytes, textBytes(TrackerModel::kDefaultVersionText));
    EXPECT_EQ(replies[0].gapBefore, Reply::kNoGap);
    EXPECT_TRUE(isAcceptedVersionReply(TrackerModel::kDefaultVersionText));

    TrackerModel custom(4800, "OV-QZ5 2.0 test");
    EXPECT_EQ(feed(custom, kVersionRequest).at(0).bytes, textBytes("OV-QZ5 2.0 test"));
}

TEST(TrackerModel, StoresAWrittenImageAndReadsItBack) {
    TrackerModel model;
    const auto image = countingImage(100);
    const auto replies = feed(model, writeCommand(image));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_TRUE(replies[0].bytes.empty());
    EXPECT_EQ(model.memory(), image);
    EXPECT_EQ(readOnce(model), Bytes(image.begin(), image.end()));
}

TEST(TrackerModel, ForgetsAnImageCutShortAndUnderstandsTheNextCommand) {
    TrackerModel model;
    const auto before = model.memory();
    Bytes partial = writeCommand(countingImage(100));
    partial.resize(60);
    EXPECT_TRUE(feed(model, partial).empty());
    model.interrupt();
    EXPECT_EQ(model.memory(), before);
    EXPECT_EQ(feed(model, kVersionRequest).size(), 1u);
}

TEST(TrackerModel, IgnoresUnknownAndMalformedCommands) {
    TrackerModel model;
    const auto before = model.memory();
    // Unknown codes, a write with a wrong marker, stray bytes: no reply, no change.
    EXPECT_TRUE(feed(model, {0x1B, 0x1B, 0x41, 0x1B, 0x44, 0xAA, 0x56, 0x56, 0x55, 0x00}).empty());
    EXPECT_EQ(model.memory(), before);
    // The bytes after a malformed write marker are not taken for an image.
    EXPECT_EQ(feed(model, kReadRequest).size(), 1u);
}

TEST(TrackerModel, TonesFollowTheLastToneCommand) {
    TrackerModel model;
    EXPECT_EQ(model.tone(), Tone::Off);
    const std::vector<std::pair<std::uint8_t, Tone>> steps{{0x31, Tone::Low},
                                                           {0x32, Tone::High},
                                                           {0x78, Tone::Off},
                                                           {0x33, Tone::Both},
                                                           {0x78, Tone::Off}};
    for (const auto& [code, tone] : steps) {
        const auto replies = feed(model, {0x1B, 0x1B, code});
        ASSERT_EQ(replies.size(), 1u) << int{code};
        EXPECT_TRUE(replies[0].bytes.empty());
        EXPECT_EQ(model.tone(), tone) << int{code};
    }
}

TEST(TrackerModel, FaultsShapeTheReplies) {
    const ConfigImage memory = TrackerModel().memory();
    const Bytes image(memory.begin(), memory.end());
    {
        TrackerModel model;
        model.faults.silent = true;
        EXPECT_TRUE(feed(model, kVersionRequest).at(0).bytes.empty());
        EXPECT_TRUE(readOnce(model).empty());
    }
    {
        TrackerModel model;
        model.faults.wrongVersion = true;
        const auto reply = feed(model, kVersionRequest).at(0).bytes;
        EXPECT_EQ(reply, textBytes(TrackerModel::kWrongVersionText));
        EXPECT_FALSE(isAcceptedVersionReply(std::string(reply.begin(), reply.end())));
    }
    {
        TrackerModel model;
        model.faults.shortReadBack = true;
        EXPECT_EQ(readOnce(model), Bytes(image.begin(), image.end() - 1));
    }
    {
        TrackerModel model;
        model.faults.corruptReadBack = true;
        const auto first = readOnce(model);
        ASSERT_EQ(first.size(), image.size());
        int differing = 0;
        for (std::size_t i = 0; i < image.size(); ++i) {
            differing += first[i] != image[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 1);
        EXPECT_EQ(readOnce(model), first);  // the same wrong byte every time
    }
    {
        TrackerModel model;
        model.faults.driftingReads = true;
        const auto first = readOnce(model);
        const auto second = readOnce(model);
        const auto third = readOnce(model);
        EXPECT_EQ(first.size(), second.size());
        EXPECT_NE(first, second);
        EXPECT_NE(second, third);
    }
    {
        TrackerModel model;
        model.faults.replyGap = true;
        const auto replies = feed(model, kReadRequest);
        EXPECT_EQ(replies.at(0).bytes, image);
        EXPECT_EQ(replies.at(0).gapBefore, image.size() / 2);
    }
}

}  // namespace
}  // namespace qz5
