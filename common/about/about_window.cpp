#include "common/about/about_window.h"

#include "common/charset.h"
#include "common/file_system.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "common/path_text.h"
#include "common/resources/embedded_data.h"

namespace kestrum {
namespace {

// The project's own pages.
constexpr const char* kDonationPage = "https://www.kestrum.example/donate.html";
constexpr const char* kBlogPage = "https://www.kestrum.example/blog/";
constexpr const char* kUpdatesPage = "https://www.kestrum.example/updates.html";

// Background of the usage text in kestrum_ri, whatever skin the main window wears.
constexpr Colour kDailyUsageBackground = 0x2A69FF;

// The lines of a multi-line label, separated by CR LF, as GBK.
std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first)
            text += "\r\n";
        text += line;
        first = false;
    }
    return gbk(text);
}

std::string usageText(AboutVariant variant) {
    if (variant == AboutVariant::TenDay)
        return joinLines({"使用说明", "", "本软件是个数据分析软件", "能查看十日资金净流入",
                          "然后根据他来筛选这十日里涨幅小或者负数的",
                          "这可能就是主力在建仓的股票了", "",
                          "右边第一排，第一到第五，对应的是资金流入从大到小的五批股票",
                          "右边第二排，对应的是这十日里", "涨幅为负数，涨幅0-20，涨幅20以上的股票",
                          "", "", "本软件结果仅供参考"});
    return joinLines({"使用说明", "",
                      "这是一个数据分析,股票筛选软件，选择资金流入多，最近二十天涨幅小的股票出来",
                      "", "选取的数据是东方财富PC版里的，需要导出到电脑上，然后加入到软件", "",
                      "点击计算就可以分析出来了", "", "一排单选框对应的是这二十日里",
                      "涨幅为负数，涨幅0-20，涨幅20以上的股票", "", "本软件结果仅供参考", "",
                      "1.2新功能，导入按钮的三个右键可以导入剪辑版的文本"});
}

FontSpec font(int pixelHeight, bool bold) {
    FontSpec result;
    result.face = "微软雅黑";
    result.pixelHeight = pixelHeight;
    result.bold = bold;
    return result;
}

ControlDefinition link(std::string name, int x, int y, const char* caption, const char* target) {
    ControlDefinition control =
        makeControl(ControlKind::HyperlinkLabel, std::move(name), x, y, 120, 32, gbk(caption));
    control.font = font(16, true);
    if (target)
        control.linkTarget = gbk(target);
    return control;
}

// Positions that differ between the two programs; the rest of the window is shared.
struct Layout {
    int height;
    int usageY, usageHeight;
    int linkY;
    int pictureY;
    int authorY;
    int contactX, contactY, contactWidth, contactHeight;
    int helpX, helpY;
};

constexpr Layout kTenDayLayout = {372, 17, 310, 23, 78, 254, 504, 297, 331, 48, 432, 296};
constexpr Layout kDailyLayout = {399, 12, 348, 34, 89, 265, 632, 307, 203, 49, 440, 307};

}  // namespace

std::string helpFileName() {
    return gbk("Dovralin 说明.CHM");
}

WindowDefinition aboutWindow(AboutVariant variant, FileSystem& files) {
    const Layout& at = variant == AboutVariant::TenDay ? kTenDayLayout : kDailyLayout;
    WindowDefinition window;
    window.title = gbk("关于");
    window.x = 50;
    window.y = 50;
    window.width = 851;
    window.height = at.height;
    window.onCreated = [variant](Form& about) { onAboutWindowCreated(variant, about); };
    window.onDestroying = onAboutWindowDestroying;

    auto& c = window.controls;
    c.push_back(makeControl(ControlKind::Label, "标签_说明", 8, at.usageY, 408, at.usageHeight,
                            usageText(variant)));
    c.back().multiLine = true;
    c.back().font = font(16, false);
    c.push_back(link("超级链接框3", 435, at.linkY, "捐助", kDonationPage));
    c.push_back(link("超级链接框2", 579, at.linkY, "新浪博客", kBlogPage));
    c.push_back(link("超级链接框1", 715, at.linkY, "软件更新", kUpdatesPage));
    c.push_back(makeControl(ControlKind::PictureBox, "图片框1", 435, at.pictureY, 400, 177));
    c.back().image = std::string(resources::aboutPicture());
    c.push_back(makeControl(ControlKind::Label, "标签_1", 504, at.authorY, 331, 48,
                            gbk("作者：Kestrum 小组 祝您投资顺利")));
    c.back().font = font(19, false);
    c.push_back(makeControl(ControlKind::Label, "标签_2", at.contactX, at.contactY, at.contactWidth,
                            at.contactHeight, gbk("联系：软件更新页留言")));
    c.back().font = font(19, false);
    // kestrum_xun's help link also carries the donation page, which opens like the others.
    c.push_back(link("超级链接框4", at.helpX, at.helpY, "帮助文件",
                     variant == AboutVariant::TenDay ? kDonationPage : nullptr));
    c.back().onLeftPressed = [&files](Form& about) { openHelpFile(about, files); };
    return window;
}

void openAboutWindow(Form& mainForm, AboutVariant variant, FileSystem& files) {
    mainForm.services().runModal(aboutWindow(variant, files));
}

void onAboutWindowCreated(AboutVariant variant, Form& about) {
    if (variant == AboutVariant::Daily)
        about.control("标签_说明").setBackgroundColour(kDailyUsageBackground);
    about.services().playMidi(std::string(resources::aboutSong()));
}

void onAboutWindowDestroying(Form& about) {
    about.services().stopMidi();
}

void openHelpFile(Form& about, FileSystem& files) {
    std::string folder = files.programFolder();
    withTrailingSeparator(folder);
    about.services().openDocument(folder + helpFileName());
}

}  // namespace kestrum
