// The update host and the HTTPS segment service.
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/gbk_codec.h"
#include "sim_test_support.h"

namespace verdomo::sim::test {
namespace {

std::string updateUrl(const Simulator& sim, std::string_view path) {
  return "http://127.0.0.1:" + std::to_string(sim.updatePort()) + std::string(path);
}

std::string segmentUrl(const Simulator& sim, std::string_view tel) {
  return "https://127.0.0.1:" + std::to_string(sim.segmentPort()) +
         "/cc/json/mobile_tel_segment.htm?tel=" + std::string(tel);
}

using UpdateHost = SimTest;

TEST_F(UpdateHost, VersionTextEndsInThePublishedVersionWithoutALineBreak) {
  const HttpReply reply = httpGet(updateUrl(sim, "/yh.txt"));
  ASSERT_TRUE(reply.ok);
  const std::string text = gbkToUtf8(reply.body);
  const std::string tail = "版本号:1.6";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(text.find("版本号:"), text.size() - tail.size());
  EXPECT_EQ(reply.body.find("\xB0\xE6\xB1\xBE\xBA\xC5:1.6"), reply.body.size() - 10);  // GBK
}

TEST(UpdateHostOptions, PublishTheVersionAndPackageTheyAreGiven) {
  const std::string package = "/tmp/verdomo-sim-package-" + std::to_string(::getpid()) + ".zip";
  const std::string bytes("PK\x03\x04\0\0binary\xFF", 13);
  std::ofstream(package, std::ios::binary) << bytes;
  SimulatorOptions options = SimulatorOptions::forTests();
  options.publishedVersion = "1.7";
  options.packageFile = package;
  Simulator sim(options);

  const std::string text = gbkToUtf8(httpGet(updateUrl(sim, "/yh.txt")).body);
  EXPECT_EQ(text.substr(text.rfind("版本号:")), "版本号:1.7");
  const HttpReply zip = httpGet(updateUrl(sim, "/ostrel.zip"));
  EXPECT_EQ(zip.status, 200);
  EXPECT_EQ(zip.body, bytes);
  ::unlink(package.c_str());
  EXPECT_EQ(httpGet(updateUrl(sim, "/ostrel.zip")).status, 404);  // read at every request
}

TEST_F(UpdateHost, WithoutAPackageTheZipAndUnknownFilesAreMissing) {
  EXPECT_EQ(httpGet(updateUrl(sim, "/ostrel.zip")).status, 404);
  EXPECT_EQ(httpGet(updateUrl(sim, "/other.txt")).status, 404);
}

using SegmentService = SimTest;

TEST_F(SegmentService, AnswersThePoolNumbersProvinceInTheServicesShape) {
  const PoolNumber& number = sim.numberPlan().numbers().at(100);
  const Segment& segment = sim.numberPlan().segmentOf(number);
  const HttpReply reply = httpGet(segmentUrl(sim, number.phone));
  ASSERT_TRUE(reply.ok);
  const std::string expectedStart = "__GetZoneResult_ = {\n    mts:'" + number.phone.substr(0, 7) +
                                    "',\n    province:'" + gbkToUtf8(segment.province) + "',\n";
  const std::string text = gbkToUtf8(reply.body);
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
  EXPECT_NE(text.find("    telString:'" + number.phone + "',\n"), std::string::npos);
  EXPECT_NE(text.find("    catName:'中国"), std::string::npos);
  EXPECT_EQ(text.back(), '}');
}

TEST_F(SegmentService, UnknownSegmentsAndBadNumbersHaveAnEmptyProvince) {
  for (const char* tel : {"10012345678", "abc", ""}) {
    const std::string text = httpGet(segmentUrl(sim, tel)).body;
    EXPECT_NE(text.find("province:'',"), std::string::npos) << tel;
  }
}

TEST_F(SegmentService, SpeaksOnlyTlsWithItsOwnCertificateFor127001) {
  EXPECT_FALSE(httpGet("http://127.0.0.1:" + std::to_string(sim.segmentPort()) + "/").ok);
  EXPECT_EQ(httpGet("https://127.0.0.1:" + std::to_string(sim.segmentPort()) + "/other").status,
            404);

  // Verified against the certificate it made, the connection succeeds.
  const std::string pem = sim.certificatePem();
  ASSERT_EQ(pem.rfind("-----BEGIN CERTIFICATE-----", 0), 0u);
  CURL* curl = curl_easy_init();
  const std::string url = segmentUrl(sim, "13800138000");
  curl_blob authority{const_cast<char*>(pem.data()), pem.size(), CURL_BLOB_COPY};
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &authority);
  curl_easy_setopt(
      curl, CURLOPT_WRITEFUNCTION,
      +[](char*, std::size_t size, std::size_t count, void*) { return size * count; });
  EXPECT_EQ(curl_easy_perform(curl), CURLE_OK);
  curl_easy_cleanup(curl);
}

}  // namespace
}  // namespace verdomo::sim::test
