#include "tenday/quote_list_handlers.h"

#include "common/charset.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "common/number_text.h"
#include "tenday/http_request.h"
#include "tenday/main_window.h"
#include "tenday/quote_list.h"
#include "tenday/show_records.h"

namespace kestrum::tenday {

void loadAndShowQuoteList(TenDayProgram& program, Form& form) {
    // The music label is empty and idle until the window takes input.
    Control& progressLabel = form.control("标签0");
    const std::string caption = progressLabel.caption();
    progressLabel.setCaption(gbk("正在载入行情…"));
    program.services.repaintNow(form);

    const HttpRequestObject request(program.newHttpTransport);
    loadQuoteList(100, request, program.quoteBase, program.allRecords,
                  [&](std::int32_t page, std::size_t records) {
                      progressLabel.setCaption(gbk("载入第") + int32ToText(page) + gbk("页 共") +
                                               int64ToText(static_cast<std::int64_t>(records)) +
                                               gbk("只"));
                      program.services.repaintNow(form);
                  });

    showRecords(form.control("超级列表框1"), program.allRecords);
    progressLabel.setCaption(caption);
}

}  // namespace kestrum::tenday
