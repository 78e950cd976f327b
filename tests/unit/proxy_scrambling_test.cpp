#include <gtest/gtest.h>

#include <string>

#include "core/config/proxy_scrambling.h"
#include "core/crypto/rc4.h"
#include "core/text/base64.h"

namespace vantrel {
namespace {

std::string fromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

std::string toHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

// RFC 6229: the keystream (RC4 of zero bytes) at several offsets.
TEST(Rc4, Rfc6229KeyStreams) {
  struct Case {
    const char* key;
    std::size_t offset;
    const char* stream;
  } cases[] = {
      {"0102030405", 0, "b2396305f03dc027ccc3524a0a1118a8"},
      {"0102030405", 16, "6982944f18fc82d589c403a47a0d0919"},
      {"0102030405", 240, "28cb1132c96ce286421dcaadb8b69eae"},
      {"0102030405", 256, "1cfcf62b03eddb641d77dfcf7f8d8c93"},
      {"0102030405", 4096, "ff25b58995996707e51fbdf08b34d875"},
      {"0102030405060708090a0b0c0d0e0f10", 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
      {"0102030405060708090a0b0c0d0e0f10", 16, "5248c4959014126a6e8a84f11d1a9e1c"},
      {"0102030405060708090a0b0c0d0e0f10", 240, "065902e4b620f6cc36c8589f66432f2b"},
      {"0102030405060708090a0b0c0d0e0f10", 4096, "a36a4c301ae8ac13610ccbc12256cacc"},
  };
  for (const Case& c : cases) {
    std::string stream = rc4(std::string(c.offset + 16, '\0'), fromHex(c.key));
    EXPECT_EQ(toHex(stream.substr(c.offset)), c.stream) << c.key << " at " << c.offset;
  }
}

TEST(Base64, Rfc4648Vectors) {
  struct Case {
    const char* plain;
    const char* encoded;
  } cases[] = {
      {"", ""},           {"f", "Zg=="},         {"fo", "Zm8="},       {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(base64Encode(c.plain), c.encoded);
    EXPECT_EQ(base64Decode(c.encoded), c.plain);
  }
  // Every byte value, the whole alphabet and both fill forms.
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (std::size_t n : {254u, 255u, 256u}) EXPECT_EQ(base64Decode(base64Encode(all.substr(0, n))), all.substr(0, n));
  EXPECT_EQ(base64Encode("\xFB\xFF"), "+/8=");
}

TEST(Base64, TextThatIsNotBase64DecodesWithoutFailing) {
  EXPECT_EQ(base64Decode("Zm9v\r\nYmFy"), "foobar");  // foreign characters are skipped
  EXPECT_EQ(base64Decode("Zm8=Zm9v"), "fo");          // decoding ends at the fill
  EXPECT_EQ(base64Decode("Z"), "");                   // a lone character gives no byte
  EXPECT_EQ(base64Decode("*\xFF!"), "");
}

TEST(ProxyScrambling, KeyIsTheLowerCaseMd5OfTheServer) {
  EXPECT_EQ(proxyScrambleKey(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(proxyScrambleKey("abc"), "900150983cd24fb0d6963f7d28e17f72");
  std::string key = proxyScrambleKey("proxy.example.net");
  EXPECT_EQ(key.size(), 32u);
  EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos);
}

TEST(ProxyScrambling, StoredFormIsBase64OfRc4WithTheKeyCharacters) {
  const std::string key = proxyScrambleKey("proxy.example.net");
  EXPECT_EQ(scrambleText("geheim", key), base64Encode(rc4("geheim", key)));
  EXPECT_EQ(scrambleText("a", key).size(), 4u);
  EXPECT_EQ(scrambleText("a", key).substr(2), "==");
  EXPECT_EQ(scrambleText("ab", key).back(), '=');
  EXPECT_NE(scrambleText("ab", key)[2], '=');
  EXPECT_EQ(scrambleText("abc", key).find('='), std::string::npos);
  EXPECT_EQ(scrambleText("abcdefg", key).size(), 12u);
  // No salt: the same input gives the same output; another server another one.
  EXPECT_EQ(scrambleText("geheim", key), scrambleText("geheim", key));
  EXPECT_NE(scrambleText("geheim", key), scrambleText("geheim", proxyScrambleKey("proxy2.example.net")));
}

TEST(ProxyScrambling, RoundTrips) {
  const std::string key = proxyScrambleKey("10.0.0.1");
  // A value whose RC4 output has zero bytes: plain bytes equal to the
  // keystream give zeros.
  std::string stream = rc4(std::string(6, '\0'), key);
  std::string zeroing = "x" + stream.substr(1, 2) + "yz";
  ASSERT_EQ(zeroing.find('\0'), std::string::npos);
  ASSERT_NE(rc4(zeroing, key).find('\0'), std::string::npos);

  const std::string values[] = {"a", "ab", "abc", "Benutzer", "p\xE4\xDF w\xF6rt \x80\xFF\xA0!", zeroing,
                                std::string(300, '\xE9')};
  for (const std::string& value : values) {
    std::string stored = scrambleText(value, key);
    EXPECT_EQ(stored.size(), 4 * ((value.size() + 2) / 3)) << value;
    EXPECT_EQ(unscrambleText(stored, key), value) << value;
  }
  // Another key gives some other text, and nothing fails.
  EXPECT_NE(unscrambleText(scrambleText("Benutzer", key), proxyScrambleKey("10.0.0.2")), "Benutzer");
}

}  // namespace
}  // namespace vantrel
