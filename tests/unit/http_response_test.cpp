#include "platform/http_response.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(HttpResponse, TheRequestIsPlainHttp10WithHostAndClose) {
    EXPECT_EQ(http_request_text("ip.example.net", 80, "/ic.asp"),
              "GET /ic.asp HTTP/1.0\r\nHost: ip.example.net\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(http_request_text("127.0.0.1", 8080, "ic.asp"),
              "GET /ic.asp HTTP/1.0\r\nHost: 127.0.0.1:8080\r\nConnection: close\r\n\r\n");
}

TEST(HttpResponse, OnlySuccessfulAnswersHaveABody) {
    EXPECT_EQ(http_body_of("HTTP/1.1 200 OK\r\nA: b\r\n\r\nbody\r\n\r\nmore"), "body\r\n\r\nmore");
    EXPECT_EQ(http_body_of("HTTP/1.0 204 No Content\r\n\r\n"), "");
    EXPECT_EQ(http_body_of("HTTP/1.0 200 OK\n\nbare line ends"), "bare line ends");
    EXPECT_EQ(http_body_of("HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\nmoved"), "");
    EXPECT_EQ(http_body_of("HTTP/1.1 404 Not Found\r\n\r\nnot here"), "");
    EXPECT_EQ(http_body_of("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"), "");  // cut short
    EXPECT_EQ(http_body_of("<html>200</html>"), "");
    EXPECT_EQ(http_body_of("HTTP/1.1 2"), "");
    EXPECT_EQ(http_body_of(""), "");
}

}  // namespace
}  // namespace cw
