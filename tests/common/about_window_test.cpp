#include "common/about/about_window.h"

#include <gtest/gtest.h>

#include "common/charset.h"
#include "common/form/form.h"
#include "common/resources/embedded_data.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

struct Geometry {
    const char* name;
    int x, y, width, height;
};

void expectGeometry(const WindowDefinition& window, const std::vector<Geometry>& expected) {
    ASSERT_EQ(window.controls.size(), expected.size());
    for (const Geometry& g : expected) {
        SCOPED_TRACE(g.name);
        const auto it = std::find_if(window.controls.begin(), window.controls.end(),
                                     [&](const ControlDefinition& c) { return c.name == g.name; });
        ASSERT_NE(it, window.controls.end());
        EXPECT_EQ(it->x, g.x);
        EXPECT_EQ(it->y, g.y);
        EXPECT_EQ(it->width, g.width);
        EXPECT_EQ(it->height, g.height);
    }
}

TEST(AboutWindow, GeometryOfEachProgram) {
    MemoryFileSystem files;
    const WindowDefinition tenDay = aboutWindow(AboutVariant::TenDay, files);
    EXPECT_EQ(tenDay.title, gbk("关于"));
    EXPECT_EQ((std::array{tenDay.x, tenDay.y, tenDay.width, tenDay.height}),
              (std::array{50, 50, 851, 372}));
    expectGeometry(tenDay, {{"标签_说明", 8, 17, 408, 310},
                            {"超级链接框3", 435, 23, 120, 32},
                            {"超级链接框2", 579, 23, 120, 32},
                            {"超级链接框1", 715, 23, 120, 32},
                            {"图片框1", 435, 78, 400, 177},
                            {"标签_1", 504, 254, 331, 48},
                            {"标签_2", 504, 297, 331, 48},
                            {"超级链接框4", 432, 296, 120, 32}});

    const WindowDefinition daily = aboutWindow(AboutVariant::Daily, files);
    EXPECT_EQ(daily.title, gbk("关于"));
    EXPECT_EQ((std::array{daily.x, daily.y, daily.width, daily.height}),
              (std::array{50, 50, 851, 399}));
    expectGeometry(daily, {{"标签_说明", 8, 12, 408, 348},
                           {"超级链接框3", 435, 34, 120, 32},
                           {"超级链接框2", 579, 34, 120, 32},
                           {"超级链接框1", 715, 34, 120, 32},
                           {"图片框1", 435, 89, 400, 177},
                           {"标签_1", 504, 265, 331, 48},
                           {"标签_2", 632, 307, 203, 49},
                           {"超级链接框4", 440, 307, 120, 32}});
}

TEST(AboutWindow, ContentsAndFonts) {
    MemoryFileSystem files;
    for (AboutVariant variant : {AboutVariant::TenDay, AboutVariant::Daily}) {
        SCOPED_TRACE(variant == AboutVariant::TenDay ? "ten-day" : "daily");
        ScriptedServices services;
        Form about(aboutWindow(variant, files), services);
        EXPECT_EQ(about.control("超级链接框3").caption(), gbk("捐助"));
        EXPECT_EQ(about.control("超级链接框2").caption(), gbk("新浪博客"));
        EXPECT_EQ(about.control("超级链接框1").caption(), gbk("软件更新"));
        EXPECT_EQ(about.control("超级链接框4").caption(), gbk("帮助文件"));
        for (const char* name : {"超级链接框1", "超级链接框2", "超级链接框3"})
            EXPECT_FALSE(about.control(name).definition().linkTarget.empty()) << name;
        EXPECT_EQ(about.control("图片框1").definition().image, resources::aboutPicture());
        EXPECT_FALSE(about.control("标签_1").caption().empty());
        EXPECT_FALSE(about.control("标签_2").caption().empty());
        EXPECT_TRUE(about.control("标签_说明").definition().multiLine);

        for (const ControlDefinition& control : about.definition().controls) {
            SCOPED_TRACE(control.name);
            EXPECT_EQ(control.font.face, "微软雅黑");
            const bool link = control.kind == ControlKind::HyperlinkLabel;
            if (control.kind == ControlKind::PictureBox)
                continue;
            EXPECT_EQ(control.font.bold, link);
            const bool small = link || control.name == "标签_说明";
            EXPECT_EQ(control.font.pixelHeight, small ? 16 : 19);
        }
    }
}

TEST(AboutWindow, UsageTextLineByLine) {
    MemoryFileSystem files;
    const std::string tenDay = aboutWindow(AboutVariant::TenDay, files).controls[0].caption;
    const std::string tenDayLines =
        "使用说明\r\n\r\n本软件是个数据分析软件\r\n能查看十日资金净流入\r\n"
        "然后根据他来筛选这十日里涨幅小或者负数的\r\n这可能就是主力在建仓的股票了\r\n\r\n"
        "右边第一排，第一到第五，对应的是资金流入从大到小的五批股票\r\n"
        "右边第二排，对应的是这十日里\r\n涨幅为负数，涨幅0-20，涨幅20以上的股票\r\n\r\n\r\n"
        "本软件结果仅供参考";
    EXPECT_EQ(tenDay, gbk(tenDayLines));

    const std::string daily = aboutWindow(AboutVariant::Daily, files).controls[0].caption;
    const std::string dailyLines =
        "使用说明\r\n\r\n"
        "这是一个数据分析,股票筛选软件，选择资金流入多，最近二十天涨幅小的股票出来\r\n\r\n"
        "选取的数据是东方财富PC版里的，需要导出到电脑上，然后加入到软件\r\n\r\n"
        "点击计算就可以分析出来了\r\n\r\n一排单选框对应的是这二十日里\r\n"
        "涨幅为负数，涨幅0-20，涨幅20以上的股票\r\n\r\n本软件结果仅供参考\r\n\r\n"
        "1.2新功能，导入按钮的三个右键可以导入剪辑版的文本";
    EXPECT_EQ(daily, gbk(dailyLines));
}

TEST(AboutWindow, PlaysItsSongWhileOpenAndPaintsTheDailyUsageText) {
    MemoryFileSystem files;
    struct Case {
        const char* name;
        AboutVariant variant;
        std::optional<Colour> usageBackground;
    };
    const Case cases[] = {
        {"ten-day keeps the form's colours", AboutVariant::TenDay, std::nullopt},
        {"daily paints 0x2A69FF", AboutVariant::Daily, 0x2A69FFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServices services;
        services.whileModalOpen = [&](Form& about) {
            EXPECT_EQ(about.control("标签_说明").backgroundColour(), c.usageBackground);
            ASSERT_EQ(services.playedSongs.size(), 1u);
            EXPECT_EQ(services.playedSongs[0], resources::aboutSong());
            EXPECT_TRUE(services.songPlaying);
        };
        Form main(WindowDefinition{}, services);
        openAboutWindow(main, c.variant, files);
        EXPECT_EQ(services.modalTitles, std::vector<std::string>{gbk("关于")});
        EXPECT_FALSE(services.songPlaying);
        EXPECT_EQ(services.stopCount, 1);
    }
}

TEST(AboutWindow, HelpLinkLooksInTheProgramFolder) {
    MemoryFileSystem files("/opt/kestrum/bin");
    files.setCurrentDirectory("/home/user/elsewhere");
    const std::string helpPath = "/opt/kestrum/bin/" + gbk("Dovralin 说明.CHM");

    ScriptedServices daily;
    Form dailyAbout(aboutWindow(AboutVariant::Daily, files), daily);
    dailyAbout.press("超级链接框4");
    EXPECT_EQ(daily.openedDocuments, std::vector<std::string>{helpPath});

    // In kestrum_xun the label carries the donation page too, opened before the help file.
    ScriptedServices tenDay;
    Form tenDayAbout(aboutWindow(AboutVariant::TenDay, files), tenDay);
    tenDayAbout.press("超级链接框4");
    ASSERT_EQ(tenDay.openedDocuments.size(), 2u);
    EXPECT_EQ(tenDay.openedDocuments[0],
              tenDayAbout.control("超级链接框3").definition().linkTarget);
    EXPECT_EQ(tenDay.openedDocuments[1], helpPath);

    MemoryFileSystem rootInstall("/");  // a folder that already ends with the separator
    ScriptedServices root;
    Form rootAbout(aboutWindow(AboutVariant::Daily, rootInstall), root);
    rootAbout.press("超级链接框4");
    EXPECT_EQ(root.openedDocuments, std::vector<std::string>{"/" + gbk("Dovralin 说明.CHM")});
}

}  // namespace
}  // namespace kestrum
