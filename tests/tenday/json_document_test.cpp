#include "tenday/json_document.h"

#include <gtest/gtest.h>

#include "common/charset.h"

namespace kestrum {
namespace {

TEST(JsonDocument, ParseAcceptsOnlyNonNullJson) {
    struct Case {
        const char* name;
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"null", "null", false},
        {"empty object", "{}", true},
        {"array", "[1,2]", true},
        {"plain number", "42", true},
        {"truncated", "{\"data\":{\"diff\":[{\"f12\":\"000001\"", false},
        {"html error page", "<html><body>502 Bad Gateway</body></html>", false},
        {"trailing garbage", "{} x", false},
        {"script, not JSON", "{a: 1}", false},
        {"too deep", std::string(100000, '[') + std::string(100000, ']'), false},
    };
    for (const Case& c : cases) {
        JsonDocument document;
        EXPECT_EQ(document.parse(c.text), c.accepted) << c.name;
    }
}

TEST(JsonDocument, FailedParseLeavesEveryPathMissing) {
    JsonDocument document;
    ASSERT_TRUE(document.parse(R"({"data":{"diff":[{"f12":"1"}]}})"));
    EXPECT_FALSE(document.parse("{"));
    EXPECT_EQ(document.count("data.diff"), 0);
    EXPECT_EQ(document.getText("data.diff[0].f12"), "");
    EXPECT_EQ(document.typeOf(""), kJsonNull);
}

TEST(JsonDocument, ErrorInfoCarriesLineAndColumn) {
    JsonDocument document;
    JsonErrorInfo error;
    EXPECT_FALSE(document.parse("{\n  \"a\": 1,\n  \"b\": ]\n}", &error));
    EXPECT_NE(error.number, 0);
    EXPECT_FALSE(error.description.empty());
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.column, 8);
    EXPECT_EQ(error.text, "  \"b\": ]");

    EXPECT_TRUE(document.parse("{}", &error));
    EXPECT_EQ(error.number, 0);
    EXPECT_EQ(error.line, 0);
}

TEST(JsonDocument, GetTextReadsStringsAndNumbersByPath) {
    JsonDocument document;
    ASSERT_TRUE(document.parse(gbk(R"({"data":{"total":5500,"diff":[
        {"f12":"600519","f14":"贵州茅台","f2":1688.5,"f160":-3.5,"f174":5000000.0},
        {"f12":"000001","f14":"平安银行","f2":"-","f160":12,"f174":1.5e9},
        {"f12":"300750","f14":"Ａ股 样本","f2":0.1,"f160":1e-7,"f174":123456789012345678}
    ],"ok":true,"none":null}})")));
    struct Case {
        const char* path;
        std::string text;
    };
    const Case cases[] = {
        {"data.diff[0].f12", "600519"},
        {"data.diff[0].f14", gbk("贵州茅台")},
        {"data.diff[0].f2", "1688.5"},
        {"data.diff[0].f160", "-3.5"},
        {"data.diff[0].f174", "5000000"},
        {"data.diff[1].f2", "-"},
        {"data.diff[1].f160", "12"},
        {"data.diff[1].f174", "1500000000"},
        {"data.diff[2].f14", gbk("Ａ股 样本")},
        {"data.diff[2].f2", "0.1"},
        {"data.diff[2].f160", "1e-7"},
        {"data.diff[2].f174", "123456789012345678"},
        {"data.total", "5500"},
        {"data.ok", "true"},
        {"data.none", ""},
        {"data.diff[3].f12", ""},
        {"data.missing.deeper", ""},
        {"da.data.total", "5500"},
        {"data['total']", "5500"},
        {"data.diff[x]", ""},
        {"data..total", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document.getText(c.path), c.text) << c.path;
    EXPECT_EQ(gbkToUtf8(document.getText("data.diff[1]", true)),
              R"({"f12":"000001","f14":"平安银行","f2":"-","f160":12,"f174":1500000000.0})");
}

TEST(JsonDocument, NumbersReadBackAsTheirShortestText) {
    struct Case {
        const char* json;
        const char* text;
    };
    const Case cases[] = {
        {"12.5", "12.5"},
        {"5000000.0", "5000000"},
        {"-0.0", "0"},
        {"1e21", "1e+21"},
        {"1.5e300", "1.5e+300"},
        {"0.000001", "0.000001"},
        {"1e-7", "1e-7"},
        {"123.456", "123.456"},
        {"-42", "-42"},
        {"0.1", "0.1"},
        {"1e20", "100000000000000000000"},
    };
    for (const Case& c : cases) {
        JsonDocument document;
        ASSERT_TRUE(document.parse(std::string("[") + c.json + "]")) << c.json;
        EXPECT_EQ(document.getText("[0]"), c.text) << c.json;
    }
}

TEST(JsonDocument, CountAndTypeOfFollowTheValueAtThePath) {
    JsonDocument document;
    ASSERT_TRUE(document.parse(R"({"data":null,"list":[1,"a",{},[],true,null],"o":{"a":{}}})"));
    EXPECT_EQ(document.count("data.diff"), 0);
    EXPECT_EQ(document.getText("data.diff[0].f12"), "");
    EXPECT_EQ(document.count("list"), 6);
    EXPECT_EQ(document.count("o"), 0);
    EXPECT_EQ(document.count("nothing"), 0);

    struct Case {
        const char* path;
        JsonType type;
    };
    const Case cases[] = {
        {"list[0]", kJsonNumber}, {"list[1]", kJsonString},  {"list[2]", kJsonObject},
        {"list[3]", kJsonArray},  {"list[4]", kJsonBoolean}, {"list[5]", kJsonNull},
        {"o.b", kJsonNull},       {"o.b.c", kJsonBadPath},   {"data.diff", kJsonBadPath},
        {"", kJsonObject},        {"list[", kJsonBadPath},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document.typeOf(c.path), c.type) << c.path;
    EXPECT_TRUE(document.exists("o.a"));
    EXPECT_FALSE(document.exists("data"));
}

TEST(JsonDocument, ResolvePathPrefixesTheRootName) {
    JsonDocument document;
    ASSERT_TRUE(document.parse(R"({"data":{"diff":[1]}})"));
    struct Case {
        std::string path;
        std::string resolved;
        bool present;
    };
    const Case cases[] = {
        {"data.diff", "da.data.diff", true},
        {"[0]", "da[0]", false},
        {"", "da", true},
        {"da.data", "da.data", true},
        {"da.nothing", "da.da.nothing", false},
    };
    for (Case c : cases) {
        std::string path = c.path;
        EXPECT_EQ(document.resolvePath(path), c.present) << c.path;
        EXPECT_EQ(path, c.resolved) << c.path;
    }
}

TEST(JsonDocument, WritesReadBack) {
    JsonDocument document;
    EXPECT_EQ(document.toJson(), "{}");
    EXPECT_TRUE(document.setValue("path", "C:\\dir\\\"x\"\r\n"));
    EXPECT_EQ(document.getText("path"), "C:\\dir\\\"x\"\r\n");
    EXPECT_TRUE(document.setValue("name", gbk("计算")));
    EXPECT_EQ(document.getText("name"), gbk("计算"));
    EXPECT_TRUE(document.setNumber("n", 12.5));
    EXPECT_EQ(document.getNumber("n"), 12.5);
    EXPECT_FALSE(document.setValue("a.b", "x")) << "the container a does not exist";

    EXPECT_TRUE(document.setValue("o", R"({"a":1,"keep":"k","sub":{"x":1}})", true));
    EXPECT_TRUE(document.setValue("o", R"({"a":2,"sub":{"y":2}})", true));
    EXPECT_EQ(document.getText("o", true), R"({"a":2,"keep":"k","sub":{"x":1,"y":2}})");
    EXPECT_FALSE(document.setValue("o", "{broken", true));

    EXPECT_TRUE(document.arrayAdd("b", "list"));
    EXPECT_TRUE(document.arrayAdd("a", "list", false, true));
    EXPECT_TRUE(document.arrayAdd("{\"k\":3}", "list", true));
    EXPECT_EQ(document.getText("list", true), R"(["a","b",{"k":3}])");
    EXPECT_EQ(document.getElementText(1, "list"), "b");
    EXPECT_EQ(document.getElementText(2, "list"), "") << "only string elements give text";
    EXPECT_EQ(document.getElementText(2, "list", true), R"({"k":3})");
    EXPECT_EQ(document.getElementObject(2, "list").getText("k"), "3");
    EXPECT_TRUE(document.setElement(0, "list", "7", true));
    EXPECT_TRUE(document.removeElement(1, "list"));
    EXPECT_FALSE(document.removeElement(5, "list"));
    EXPECT_EQ(document.getText("list", true), R"([7,{"k":3}])");
    EXPECT_FALSE(document.setElement(1000000000, "list", "x"));

    std::vector<std::string> names;
    EXPECT_EQ(document.memberNames(names, ""), 5);
    EXPECT_EQ(names, (std::vector<std::string>{"path", "name", "n", "o", "list"}));
    std::vector<std::string> values;
    EXPECT_EQ(document.allValues(values, "o"), 2);
    EXPECT_EQ(values, (std::vector<std::string>{"2", "k"}));
    EXPECT_EQ(document.allValues(values, "o", true), 4);

    JsonDocument copy = document.getObject("o.sub");
    EXPECT_EQ(copy.toJson(), R"({"x":1,"y":2})");
    EXPECT_TRUE(document.remove("o.sub"));
    EXPECT_FALSE(document.remove("o.sub"));
    EXPECT_EQ(copy.getText("y"), "2") << "the copy is independent";
    EXPECT_TRUE(document.setByExpression("o", "[1,2]"));
    EXPECT_EQ(document.count("o"), 2);
    EXPECT_TRUE(document.clear());
    EXPECT_EQ(document.toJson(), "{}");
}

}  // namespace
}  // namespace kestrum
