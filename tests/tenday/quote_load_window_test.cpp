#include <gtest/gtest.h>

#include "common/charset.h"
#include "common/form/form.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"
#include "tenday/main_window.h"
#include "tools/quote_server/quote_market.h"

namespace kestrum {
namespace {

// Answers page requests from a synthetic market and notes what the progress label showed
// when each request went out.
class MarketTransport : public HttpTransport {
  public:
    MarketTransport(const std::vector<fixture::QuoteRow>& rows, Form*& form,
                    std::vector<std::string>& captions)
        : rows_(rows), form_(form), captions_(captions) {}

    HttpReply exchange(const HttpExchange& request) override {
        captions_.push_back(gbkToUtf8(form_->control("标签0").caption()));
        const size_t at = request.url.find("&pn=");
        const int page = std::atoi(request.url.c_str() + at + 4);
        return {fixture::quotePageJson(rows_, page, 50), "", 200};
    }

  private:
    const std::vector<fixture::QuoteRow>& rows_;
    Form*& form_;
    std::vector<std::string>& captions_;
};

TEST(QuoteLoadWindow, StartLoadsShowsAndReportsProgress) {
    fixture::MarketShape shape;
    shape.stocks = 400;
    shape.atOrAboveThreshold = 120;
    const auto rows = fixture::makeMarket(shape);

    ScriptedServices services;
    MemoryFileSystem files;
    tenday::TenDayProgram program(services, files);
    Form* form = nullptr;
    std::vector<std::string> captions;
    program.newHttpTransport = [&] {
        return std::make_unique<MarketTransport>(rows, form, captions);
    };
    program.quoteBase = "http://127.0.0.1:1";
    Form window(tenday::mainWindow(program), services);
    form = &window;
    window.fireCreated();

    ASSERT_EQ(program.allRecords.size(), 120u);
    const Control& left = window.control("超级列表框1");
    ASSERT_EQ(left.rowCount(), 120);
    EXPECT_EQ(left.cell(0, 0), gbk(rows[0].code));
    EXPECT_EQ(left.cell(0, 1), gbk(rows[0].name));
    EXPECT_EQ(gbkToUtf8(left.cell(0, 4)), "35亿");
    EXPECT_EQ(gbkToUtf8(left.cell(119, 4)), "500万");

    ASSERT_EQ(captions.size(), 3u) << "the third page holds the first row below 5,000,000";
    EXPECT_EQ(captions[0], "正在载入行情…");
    EXPECT_EQ(captions[1], "载入第1页 共50只");
    EXPECT_EQ(captions[2], "载入第2页 共100只");
    EXPECT_GE(services.repaintCount, 3);
    EXPECT_EQ(window.control("标签0").caption(), "") << "the label is free again";

    window.release("标签_计算");
    EXPECT_GT(window.control("超级列表框2").rowCount(), 0);
}

TEST(QuoteLoadWindow, NoServiceLeavesAnEmptyListAndAWorkingWindow) {
    ScriptedServices services;
    MemoryFileSystem files;
    tenday::TenDayProgram program(services, files);  // no transport: nothing can be fetched
    Form window(tenday::mainWindow(program), services);
    window.fireCreated();
    EXPECT_EQ(window.control("超级列表框1").rowCount(), 0);
    EXPECT_EQ(window.control("标签0").caption(), "");
    window.release("标签_计算");
    EXPECT_EQ(window.control("超级列表框2").rowCount(), 0);
}

}  // namespace
}  // namespace kestrum
