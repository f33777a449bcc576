// lumidor_uevent add|remove|bind|... [KEY=value...]
//
// Sends the message udev broadcasts to its monitors once it has handled a USB
// device's arrival or removal, for a made-up device: the program's watcher
// reacts as to a real plug. Needs root (udev's messages count only from root).
// Plain C++ and Linux headers, no Qt.

#include <arpa/inet.h>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// The layout libudev's monitors expect in front of the properties.
struct MonitorHeader {
    char prefix[8];
    std::uint32_t magic;  // network order
    std::uint32_t headerSize;
    std::uint32_t propertiesOffset;
    std::uint32_t propertiesLength;
    std::uint32_t subsystemHash;  // network order, read by the monitors' socket filter
    std::uint32_t devtypeHash;    // network order
    std::uint32_t tagBloomHigh;
    std::uint32_t tagBloomLow;
};

constexpr std::uint32_t kMagic = 0xfeedcafe;
constexpr std::uint32_t kUdevGroup = 2;

// The hash the monitors' socket filter compares subsystem and device type by.
std::uint32_t murmurHash2(const std::string& text) {
    constexpr std::uint32_t m = 0x5bd1e995;
    auto len = static_cast<std::uint32_t>(text.size());
    std::uint32_t h = len;
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    while (len >= 4) {
        std::uint32_t k = 0;
        std::memcpy(&k, data, 4);
        k *= m;
        k ^= k >> 24;
        k *= m;
        h *= m;
        h ^= k;
        data += 4;
        len -= 4;
    }
    switch (len) {
        case 3:
            h ^= static_cast<std::uint32_t>(data[2]) << 16;
            [[fallthrough]];
        case 2:
            h ^= static_cast<std::uint32_t>(data[1]) << 8;
            [[fallthrough]];
        case 1:
            h ^= data[0];
            h *= m;
    }
    h ^= h >> 13;
    h *= m;
    h ^= h >> 15;
    return h;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || *argv[1] == '\0') {
        std::fprintf(stderr, "usage: %s add|remove|bind|... [KEY=value...]\n", argv[0]);
        return 2;
    }
    const std::string subsystem = "usb";
    // A plug brings one usb_device and one usb_interface per interface; the
    // device type can be chosen to send the latter.
    std::string devtype = "usb_device";
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "DEVTYPE=", 8) == 0) {
            devtype = argv[i] + 8;
        }
    }
    std::string properties;
    const auto add = [&properties](const std::string& p) {
        properties += p;
        properties += '\0';
    };
    add(std::string("ACTION=") + argv[1]);
    add("DEVPATH=/devices/lumidor-simulator/usb1/1-1");
    add("SUBSYSTEM=" + subsystem);
    add("DEVTYPE=" + devtype);
    add("SEQNUM=" + std::to_string(std::time(nullptr)));
    add("PRODUCT=403/6001/600");
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "DEVTYPE=", 8) != 0) {
            add(argv[i]);
        }
    }

    MonitorHeader header{};
    std::memcpy(header.prefix, "libudev", 8);
    header.magic = htonl(kMagic);
    header.headerSize = sizeof header;
    header.propertiesOffset = sizeof header;
    header.propertiesLength = static_cast<std::uint32_t>(properties.size());
    header.subsystemHash = htonl(murmurHash2(subsystem));
    header.devtypeHash = htonl(murmurHash2(devtype));

    const int fd = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT);
    if (fd < 0) {
        std::perror("netlink socket");
        return 1;
    }
    sockaddr_nl to{};
    to.nl_family = AF_NETLINK;
    to.nl_groups = kUdevGroup;
    iovec parts[2] = {{&header, sizeof header}, {properties.data(), properties.size()}};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = parts;
    message.msg_iovlen = 2;
    if (sendmsg(fd, &message, 0) < 0) {
        std::fprintf(stderr, "sending the udev message failed: %s%s\n", std::strerror(errno),
                     errno == EPERM ? " (run as root)" : "");
        close(fd);
        return 1;
    }
    close(fd);
    return 0;
}
