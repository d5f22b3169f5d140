// Youku result page parsing (conversion included) against libxml2's HTML
// parser on the same bytes, and how parsing grows from 1 MB to 10 MB.
#include <benchmark/benchmark.h>

#include "YoukuPageGenerator.h"
#include "platform/text/Utf8.h"
#include "video/YoukuPageParser.h"
#include "video/soku/SokuParsers.h"

#ifdef TARVO_HAVE_LIBXML2
#include <libxml/HTMLparser.h>
#endif

namespace {

using tarvo::bench::GeneratedPage;

const GeneratedPage& Page(size_t megabytes) {
  static const GeneratedPage one = tarvo::bench::GenerateYoukuPage(1 << 20);
  static const GeneratedPage ten = tarvo::bench::GenerateYoukuPage(10 << 20);
  return megabytes == 1 ? one : ten;
}

void BM_YoukuParse(benchmark::State& state) {
  const GeneratedPage& page = Page(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    tarvo::video::YoukuResult result;
    int status = tarvo::video::ParseYoukuPage(tarvo::FromUtf8(page.bytes), result,
                                              u"http://y.test");
    if (status != 1 || result.videos.size() != page.plainVideos || result.flags != 0x77F) {
      state.SkipWithError("the generated page did not parse completely");
      break;
    }
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes.size()));
  state.counters["videos"] = static_cast<double>(page.plainVideos);
}
BENCHMARK(BM_YoukuParse)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A Soku result page of ordinary items, every third without a duration.
std::string SokuPage(size_t bytes) {
  std::string page = "<html><body><!--普通项--><ul class=\"items\">\n";
  for (size_t i = 0; page.size() < bytes; ++i) {
    std::string n = std::to_string(i);
    page += "<li class=\"item\"><a title=\"视频" + n + "\" href=\"javascript:void(0);\" "
            "onclick=\"clicklog('http://v.test/" + n + "')\"><img src=\"http://i.test/" + n +
            ".jpg\" /></a>";
    if (i % 3) page += "<span class=\"time\">0" + std::to_string(i % 10) + ":00</span>";
    page += "<div class=\"i_title\"><a href=\"#\">说明<span class=\"highlight\">" + n +
            "</span></a></div></li>\n";
  }
  return page + "</ul><!--items end--></body></html>";
}

void BM_SokuParse(benchmark::State& state) {
  static const std::string page = SokuPage(1 << 20);
  for (auto _ : state) {
    tarvo::soku::SokuResults results;
    if (tarvo::soku::ParseSokuPage(results, tarvo::FromUtf8(page), u"http://so.test") != 1) {
      state.SkipWithError("the generated page did not parse");
      break;
    }
    benchmark::DoNotOptimize(results);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_SokuParse)->Unit(benchmark::kMillisecond);

#ifdef TARVO_HAVE_LIBXML2
void BM_LibXml2HtmlRead(benchmark::State& state) {
  const GeneratedPage& page = Page(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    htmlDocPtr doc = htmlReadMemory(page.bytes.data(), static_cast<int>(page.bytes.size()),
                                    nullptr, "UTF-8",
                                    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NONET);
    benchmark::DoNotOptimize(doc);
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes.size()));
}
BENCHMARK(BM_LibXml2HtmlRead)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
