#include "profiles.h"

// The directory servers, one line each. Documentation addresses until the real ones are known.
#define LIVE_HOST_1 "dir.live.example.net"
#define LIVE_HOST_2 "192.0.2.11"
#define LIVE_HOST_3 "192.0.2.12"
#define LIVE_HOST_4 "198.51.100.13"
#define LIVE_HOST_5 "198.51.100.14"
#define TEST_HOST "dir.test.example.net"
#define TOURNAMENT_HOST "203.0.113.21"

// The client's own layout, kept byte for byte: the live list mixes space and tab indents and
// ends with CRLF; the other two keep the comment and <Server> on one line and end without one.
#define CRLF "\r\n"

namespace {

constexpr std::string_view kLiveDocument =
    "<!-- dir server ip ,port   -->" CRLF
    "<Server>" CRLF
    "    <DirServer count=\"5\" SuccessfulServerID=\"1\" SuccessfulPort=\"5223\">" CRLF
    "        <server1 host=\"" LIVE_HOST_1 "\" />" CRLF
    "\t\t<server2 host=\"" LIVE_HOST_2 "\" />" CRLF
    "\t\t<server3 host=\"" LIVE_HOST_3 "\" />" CRLF
    "\t\t<server4 host=\"" LIVE_HOST_4 "\" />" CRLF
    "\t\t<server5 host=\"" LIVE_HOST_5 "\" />" CRLF
    "        <portlist count=\"2\" port1=\"5223\" port2=\"8000\">0</portlist>" CRLF
    "    </DirServer>" CRLF
    "</Server>" CRLF;

#define SINGLE_SERVER_DOCUMENT(host)                                              \
  "<!-- dir server ip ,port   --><Server>" CRLF                                   \
  "    <DirServer count=\"1\" SuccessfulServerID=\"1\" SuccessfulPort=\"5223\">" CRLF \
  "        <server1 host=\"" host "\" />" CRLF                                    \
  "        <portlist count=\"1\" port1=\"5223\">0</portlist>" CRLF                \
  "    </DirServer>" CRLF                                                         \
  "</Server>"

constexpr std::string_view kTestDocument = SINGLE_SERVER_DOCUMENT(TEST_HOST);
constexpr std::string_view kTournamentDocument = SINGLE_SERVER_DOCUMENT(TOURNAMENT_HOST);

}  // namespace

std::string_view ProfileDocumentFor(ServerProfile profile) {
  switch (profile) {
    case kLiveServers:
      return kLiveDocument;
    case kTestServers:
      return kTestDocument;
    case kTournamentServers:
      return kTournamentDocument;
  }
  return {};
}
