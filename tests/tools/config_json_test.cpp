// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/config_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "config/record_fields.h"

namespace qz5 {
namespace {

// Both profiles and the shared values, field by field.
void expectSameRecord(const TrackerConfig& expected, const TrackerConfig& actual) {
    EXPECT_EQ(expected.activeProfile, actual.activeProfile);
    EXPECT_EQ(expected.calibration, actual.calibration);
    EXPECT_EQ(expected.calibrationChanged, actual.calibrationChanged);
    forEachProfileField([&](const FieldInfo& field, auto member) {
        for (int profile = 0; profile < kProfileCount; ++profile) {
            EXPECT_EQ((expected.*member)[profile], (actual.*member)[profile])
                << field.name << " of profile " << profile;
        }
    });
}

template <std::size_t N>
void setText(std::array<char, N>& field, std::string_view text) {
    field.fill('\0');
    std::memcpy(field.data(), text.data(), text.size());
}

TrackerConfig roundTrip(const TrackerConfig& config) {
    TrackerConfig result;
    applyJson(parseJson(configToJson(config).dump()), result);
    return result;
}

TEST(ConfigJson, DefaultsPrintEveryFieldInTheRecordsOrder) {
    const Json form = configToJson(TrackerConfig());

    std::vector<std::string> topKeys;
    for (const auto& item : form.items()) {
        topKeys.push_back(item.key());
    }
    EXPECT_EQ(topKeys, (std::vector<std::string>{"activeProfile", "calibration",
                                                 "calibrationChanged", "profiles"}));

    const std::vector<std::string> profileKeys = {
        "callsign",       "digiPath",       "statusText",         "delay1Ms",
        "delay2Ms",       "micEStatus",     "micEPath",           "symbolCode",
        "symbolTable",    "auxCount",       "transmitRate",       "altRateSeconds",
        "slotSeconds",    "sbLowSpeed",     "sbHighSpeed",        "sbSlowRate",
        "sbFastRate",     "sbTurnAngle",    "sbTurnSlope",        "sbTurnTime",
        "delay3Ms",       "auxValue",       "frequencyMHz",       "forcePrintable",
        "onlySendValid",  "slotEnable",     "slotDivides60",      "slotDivides600",
        "smartBeaconing", "sendAltitude",   "micEEnable",         "auxEnable",
        "timestamp",      "allowTtlSerial", "alternateDigiPaths", "invertCdIn",
        "timestampHms",   "noTxOnPttIn",    "sendNmea",           "sendSeparate",
        "packet300Baud",  "noGreaterThan",  "serialOutHigh",      "skipStartPacket",
        "gps9600"};
    ASSERT_EQ(form["profiles"].size(), 2u);
    for (const auto& profile : form["profiles"]) {
        std::vector<std::string> keys;
        for (const auto& item : profile.items()) {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, profileKeys);
    }

    const std::string text = form.dump();
    EXPECT_NE(text.find(R"("frequencyMHz":144.39,)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("frequencyMHz":144.34,)"), std::string::npos) << text;
    EXPECT_NE(
        text.find(R"("callsign":"NOCALL","digiPath":"WIDE1-1,WIDE2-1","statusText":"OV QZ5")"),
        std::string::npos);
    EXPECT_NE(text.find(R"("symbolCode":"[","symbolTable":"/")"), std::string::npos);
    EXPECT_EQ(form["calibration"], 128);
    EXPECT_EQ(form["profiles"][0]["onlySendValid"], true);
    EXPECT_EQ(form["profiles"][0]["forcePrintable"], false);
}

TEST(ConfigJson, EveryFieldSurvivesTheRoundTrip) {
    TrackerConfig config;
    config.activeProfile = 1;
    config.calibration = std::numeric_limits<std::int32_t>::min();
    config.calibrationChanged = true;
    forEachProfileField([&](const FieldInfo&, auto member) {
        for (int profile = 0; profile < kProfileCount; ++profile) {
            auto& field = (config.*member)[profile];
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>) {
                field = !field;
            } else if constexpr (std::is_same_v<Field, std::int32_t>) {
                field = profile == 0 ? std::numeric_limits<std::int32_t>::max() : -field - 7;
            }
        }
    });
    // Full-length texts with bytes above 0x7F and control characters.
    std::string callsign(19, '\xE9');
    callsign[0] = '\x01';
    setText(config.callsign[0], callsign);
    setText(config.callsign[1], "n0call-9");
    setText(config.digiPath[0], std::string(99, '\xFF'));
    setText(config.digiPath[1], "");
    std::string status;
    for (int byte = 1; byte < 200; ++byte) {
        status += static_cast<char>(byte);
    }
    setText(config.statusText[0], status);
    setText(config.statusText[1], "\"quoted\" \\ back");
    config.symbolCode = {'\0', '\xC1'};
    config.symbolTable = {'\x7F', ' '};
    config.frequencyMHz = {145.175f, 0.1f};

    expectSameRecord(config, roundTrip(config));
}

TEST(ConfigJson, TextsMapEachByteToOneCharacter) {
    TrackerConfig config;
    setText(config.statusText[0], "caf\xE9 \xB0");
    const Json form = configToJson(config);
    EXPECT_EQ(form["profiles"][0]["statusText"], "caf\u00e9 \u00b0");

    // Two-byte UTF-8 characters count as one character of the field.
    std::string nineteen;
    for (int i = 0; i < 19; ++i) {
        nineteen += "\u00e9";
    }
    TrackerConfig built;
    applyJson(parseJson(R"({"profiles":[{"callsign":")" + nineteen + R"("}]})"), built);
    EXPECT_EQ(std::string(built.callsign[0].data()), std::string(19, '\xE9'));
}

// Prints one frequency as a record would and reads the number back.
float frequencyRoundTrip(float mhz) {
    TrackerConfig config;
    config.frequencyMHz[0] = mhz;
    const std::string number = configToJson(config)["profiles"][0]["frequencyMHz"].dump();
    TrackerConfig back;
    applyJson(parseJson(R"({"profiles":[{"frequencyMHz":)" + number + "}]}"), back);
    return back.frequencyMHz[0];
}

TEST(ConfigJson, FrequenciesPrintShortestAndComeBackExact) {
    // Every frequency a 2 m image decodes to, and a spread of floats between.
    std::vector<float> values;
    for (int steps = 28800; steps <= 29600; ++steps) {
        values.push_back(static_cast<float>(steps * static_cast<double>(0.005f)));
    }
    for (float mhz = 144.0f; mhz <= 148.0f; mhz += 0.0137f) {
        values.push_back(mhz);
    }
    // Values decoding can give from digits that are not digits, and extremes.
    values.insert(values.end(), {0.0f, 0.005f, 499.995f, -2666.64f, 11499.885f, 1e-7f, 9999999.0f});
    for (float mhz : values) {
        ASSERT_EQ(frequencyRoundTrip(mhz), mhz) << mhz;
    }

    TrackerConfig config;
    config.frequencyMHz[0] = 145.175f;
    EXPECT_EQ(configToJson(config)["profiles"][0]["frequencyMHz"].dump(), "145.175");
}

TEST(ConfigJson, AbsentFieldsKeepTheirValues) {
    const TrackerConfig defaults;
    TrackerConfig config;
    applyJson(parseJson("{}"), config);
    expectSameRecord(defaults, config);

    applyJson(parseJson(R"({"profiles":[{}, {"callsign":"K1ABC-7","symbolCode":""}]})"), config);
    TrackerConfig expected;
    setText(expected.callsign[1], "K1ABC-7");
    expected.symbolCode[1] = '\0';
    expectSameRecord(expected, config);

    // One object sets the Primary profile alone; integers may be given as
    // integers only, frequencies as any number.
    applyJson(parseJson(R"({"activeProfile":1,"calibration":-5,
                            "profiles":[{"frequencyMHz":146,"delay1Ms":-1}]})"),
              config);
    expected.activeProfile = 1;
    expected.calibration = -5;
    expected.frequencyMHz[0] = 146.0f;
    expected.delay1Ms[0] = -1;
    expectSameRecord(expected, config);
}

TEST(ConfigJson, BadFieldsAreRejectedByName) {
    struct Case {
        std::string json;
        std::string message;
    };
    const std::string range = "integer outside -2147483648..2147483647";
    const std::vector<Case> cases = {
        {"[]", "expected a JSON object"},
        {"\"text\"", "expected a JSON object"},
        {R"({"extra":1})", "extra: unknown field"},
        {R"({"Calibration":1})", "Calibration: unknown field"},
        {R"({"calibration":"1"})", "calibration: expected an integer"},
        {R"({"calibration":1.5})", "calibration: expected an integer"},
        {R"({"calibration":null})", "calibration: expected an integer"},
        {R"({"calibration":2147483648})", "calibration: " + range},
        {R"({"calibration":-2147483649})", "calibration: " + range},
        {R"({"calibration":99999999999999999999})", "calibration: " + range},
        {R"({"calibration":1e10})", "calibration: " + range},
        {R"({"calibrationChanged":1})", "calibrationChanged: expected true or false"},
        {R"({"activeProfile":2})", "activeProfile: must be 0 or 1"},
        {R"({"activeProfile":-1})", "activeProfile: must be 0 or 1"},
        {R"({"profiles":{}})", "profiles: expected an array of at most two objects"},
        {R"({"profiles":[{},{},{}]})", "profiles: expected an array of at most two objects"},
        {R"({"profiles":[{},[]]})", "profiles[1]: expected an object"},
        {R"({"profiles":[{"callSign":"X"}]})", "profiles[0].callSign: unknown field"},
        {R"({"profiles":[{},{"delay1Ms":true}]})", "profiles[1].delay1Ms: expected an integer"},
        {R"({"profiles":[{"transmitRate":4294967296}]})", "profiles[0].transmitRate: " + range},
        {R"({"profiles":[{"sendNmea":"true"}]})", "profiles[0].sendNmea: expected true or false"},
        {R"({"profiles":[{"callsign":5}]})", "profiles[0].callsign: expected a string"},
        {R"({"profiles":[{"callsign":"ABCDEFGHIJKLMNOPQRST"}]})",
         "profiles[0].callsign: longer than 19 characters"},
        {R"({"profiles":[{},{"digiPath":")" + std::string(100, 'W') + R"("}]})",
         "profiles[1].digiPath: longer than 99 characters"},
        {R"({"profiles":[{"statusText":")" + std::string(200, 's') + R"("}]})",
         "profiles[0].statusText: longer than 199 characters"},
        {R"({"profiles":[{"statusText":"\u0100"}]})",
         "profiles[0].statusText: character outside U+0000..U+00FF"},
        {R"({"profiles":[{"statusText":"\ud83d\ude00"}]})",
         "profiles[0].statusText: character outside U+0000..U+00FF"},
        {R"({"profiles":[{"callsign":"AB\u0000CD"}]})",
         "profiles[0].callsign: a text cannot contain U+0000"},
        {R"({"profiles":[{"symbolCode":"ab"}]})",
         "profiles[0].symbolCode: more than one character"},
        {R"({"profiles":[{"symbolTable":"\u0101"}]})",
         "profiles[0].symbolTable: character outside U+0000..U+00FF"},
        {R"({"profiles":[{"symbolTable":47}]})", "profiles[0].symbolTable: expected a string"},
        {R"({"profiles":[{"frequencyMHz":"144.39"}]})",
         "profiles[0].frequencyMHz: expected a number"},
        {R"({"profiles":[{"frequencyMHz":1e8}]})",
         "profiles[0].frequencyMHz: outside -10000000..10000000"},
        {R"({"profiles":[{"frequencyMHz":-1e300}]})",
         "profiles[0].frequencyMHz: outside -10000000..10000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        TrackerConfig config;
        try {
            applyJson(parseJson(c.json), config);
            ADD_FAILURE() << "accepted";
        } catch (const JsonFormError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
        expectSameRecord(TrackerConfig(), config);
    }
}

TEST(ConfigJson, LimitsThemselvesAreAccepted) {
    TrackerConfig config;
    applyJson(parseJson(R"({"calibration":-2147483648,"profiles":[
        {"callsign":"ABCDEFGHIJKLMNOPQRS","digiPath":")" +
                        std::string(99, 'W') + R"(","statusText":")" + std::string(199, 's') +
                        R"(","transmitRate":2147483647,"symbolCode":"\u0000","symbolTable":"\u00ff",
         "frequencyMHz":-10000000}]})"),
              config);
    EXPECT_EQ(config.calibration, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(std::string(config.callsign[0].data()), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(std::string(config.digiPath[0].data()).size(), 99u);
    EXPECT_EQ(std::string(config.statusText[0].data()).size(), 199u);
    EXPECT_EQ(config.transmitRate[0], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(config.symbolCode[0], '\0');
    EXPECT_EQ(config.symbolTable[0], '\xFF');
    EXPECT_EQ(config.frequencyMHz[0], -1e7f);
}

TEST(ConfigJson, SyntaxErrorsGiveTheirPosition) {
    const auto messageOf = [](std::string_view text) {
        try {
            parseJson(text);
        } catch (const JsonFormError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(messageOf(R"({"calibration": })").rfind("parse error at line 1, column 17", 0), 0u)
        << messageOf(R"({"calibration": })");
    EXPECT_EQ(messageOf("{\n  \"profiles\": [\n    {,}\n  ]\n}")
                  .rfind("parse error at line 3, column 6", 0),
              0u);
    EXPECT_EQ(messageOf("").rfind("parse error at line 1, column 1", 0), 0u);
    // Text that is not UTF-8 is a syntax error too, never a silently mangled byte.
    EXPECT_EQ(messageOf("{\"a\":\"\xE9\"}").rfind("parse error at line 1", 0), 0u);
    EXPECT_EQ(messageOf("{} {}").rfind("parse error at line 1, column 4", 0), 0u);
}

}  // namespace
}  // namespace qz5
