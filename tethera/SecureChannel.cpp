#include "SecureChannel.h"

// OpenSSL 3's EVP interface initialises its provider machinery on first use,
// which costs more than the rest of a run. The editor waits for every run,
// so the code is built from libcrypto's SHA-256 primitive directly (HMAC as
// RFC 2104 lays it out); that primitive is deprecated but not removed.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

namespace {

// The key compiled into both ends of the channel.
constexpr uint8_t Key[] = {0x51, 0x75, 0x69, 0x6c, 0x6c, 0x61, 0x6e, 0x2d, 0x54, 0x65, 0x74, 0x68,
    0x65, 0x72, 0x61, 0x2d, 0x8c, 0x3e, 0x19, 0xa7, 0x42, 0xd0, 0x5b, 0x6f, 0xe1, 0x07, 0x9a, 0x33,
    0xc4, 0x28, 0x7d, 0xb6};
constexpr size_t BlockSize = 64;

std::array<uint8_t, BlockSize> paddedKey(const std::vector<uint8_t> &key, uint8_t pad)
{
    std::array<uint8_t, BlockSize> block{};
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t((i < key.size() ? key[i] : 0) ^ pad);
    return block;
}

} // namespace

namespace SecureChannel {

Mac compute(const Guid &identifier, const std::vector<uint8_t> &data)
{
    static const std::vector<uint8_t> key(std::begin(Key), std::end(Key));
    return computeWithKey(key, identifier, data);
}

Mac computeWithKey(
    const std::vector<uint8_t> &key, const Guid &identifier, const std::vector<uint8_t> &data)
{
    if (key.size() > BlockSize)
        return {};
    uint8_t length[4];
    for (int i = 0; i < 4; ++i)
        length[i] = uint8_t(uint32_t(data.size()) >> (8 * i));

    const auto inner = paddedKey(key, 0x36);
    uint8_t innerDigest[SHA256_DIGEST_LENGTH];
    SHA256_CTX ctx;
    SHA256_Init(&ctx);
    SHA256_Update(&ctx, inner.data(), inner.size());
    SHA256_Update(&ctx, identifier.data(), identifier.size());
    SHA256_Update(&ctx, length, sizeof length);
    SHA256_Update(&ctx, data.data(), data.size());
    SHA256_Final(innerDigest, &ctx);

    const auto outer = paddedKey(key, 0x5c);
    uint8_t digest[SHA256_DIGEST_LENGTH];
    SHA256_Init(&ctx);
    SHA256_Update(&ctx, outer.data(), outer.size());
    SHA256_Update(&ctx, innerDigest, sizeof innerDigest);
    SHA256_Final(digest, &ctx);

    Mac mac{};
    std::copy(digest, digest + mac.size(), mac.begin());
    return mac;
}

} // namespace SecureChannel
