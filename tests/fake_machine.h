#pragma once

// A machine's sys/ and dev/ as the kernel lays them out for serial devices,
// built in a temporary folder: USB adapters (the device with its IDs and
// strings, the interface, the port), built-in UARTs, and the by-id links.

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

struct FakeUsbAdapter {
    std::string name; // ttyUSB0, ttyACM0
    std::string driver;
    std::string vendorId, productId, manufacturer, product, serialNumber;
    int latencyMs = -1; // -1: no latency timer
    std::string byId;   // the link's name under dev/serial/by-id; empty: none
};

class FakeMachine {
public:
    FakeMachine() {
        char pattern[] = "/tmp/tessaro-machine-XXXXXX";
        root = mkdtemp(pattern);
        std::filesystem::create_directories(root + "/sys/class/tty");
        std::filesystem::create_directories(root + "/dev");
    }
    ~FakeMachine() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    FakeMachine(const FakeMachine&) = delete;
    FakeMachine& operator=(const FakeMachine&) = delete;

    // A USB adapter on its own USB port (1-1, 1-2, ...).
    void AddUsb(const FakeUsbAdapter& a) {
        const std::string usb =
            root + "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(++usbPorts_);
        Write(usb + "/idVendor", a.vendorId);
        Write(usb + "/idProduct", a.productId);
        if (!a.manufacturer.empty())
            Write(usb + "/manufacturer", a.manufacturer);
        Write(usb + "/product", a.product);
        if (!a.serialNumber.empty())
            Write(usb + "/serial", a.serialNumber);
        const std::string iface = usb + "/1-" + std::to_string(usbPorts_) + ":1.0";
        const bool usbSerial = a.name.rfind("ttyUSB", 0) == 0;
        // usb-serial adapters have a port device below the interface; ACM
        // boards are the interface itself.
        const std::string port = usbSerial ? iface + "/" + a.name : iface;
        Driver(port, usbSerial ? "usb-serial" : "usb", a.driver);
        if (a.latencyMs >= 0)
            Write(port + "/latency_timer", std::to_string(a.latencyMs));
        AddClass(a.name, port);
        Node(a.name);
        if (!a.byId.empty())
            LinkById(a.byId, a.name);
    }

    // A built-in UART; type 0 is the placeholder without one behind it.
    void AddBuiltIn(const std::string& name, int type) {
        const std::string port = root + "/sys/devices/platform/serial8250/" + name;
        Driver(port, "platform", "serial8250");
        AddClass(name, port);
        Write(root + "/sys/class/tty/" + name + "/type", std::to_string(type));
        Node(name);
    }

    // A console without a device behind it.
    void AddVirtual(const std::string& name) {
        std::filesystem::create_directories(root + "/sys/devices/virtual/tty/" + name);
        std::filesystem::create_directory_symlink("../../devices/virtual/tty/" + name,
                                                  root + "/sys/class/tty/" + name);
        Node(name);
    }

    void LinkById(const std::string& link, const std::string& name) {
        std::filesystem::create_directories(root + "/dev/serial/by-id");
        std::filesystem::create_symlink("../../" + name, root + "/dev/serial/by-id/" + link);
    }
    void UnlinkById(const std::string& link) {
        std::filesystem::remove(root + "/dev/serial/by-id/" + link);
    }

    void SetMode(const std::string& name, mode_t mode) {
        chmod((root + "/dev/" + name).c_str(), mode);
    }
    unsigned NodeGroup(const std::string& name) const {
        struct stat info {};
        stat((root + "/dev/" + name).c_str(), &info);
        return info.st_gid;
    }

    std::string root; // without a trailing '/'

private:
    static void Write(const std::string& file, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file) << text << '\n';
    }
    void Driver(const std::string& device, const std::string& bus, const std::string& driver) {
        const std::string dir = root + "/sys/bus/" + bus + "/drivers/" + driver;
        std::filesystem::create_directories(dir);
        std::filesystem::create_directories(device);
        std::filesystem::create_directory_symlink(dir, device + "/driver");
    }
    void AddClass(const std::string& name, const std::string& port) {
        const std::string classDir = port + "/tty/" + name;
        std::filesystem::create_directories(classDir);
        std::filesystem::create_directory_symlink("../..", classDir + "/device");
        std::filesystem::create_directory_symlink(classDir, root + "/sys/class/tty/" + name);
    }
    // A node that is neither a file nor a tty (making a character device
    // takes privileges): it opens, and fails as a port.
    void Node(const std::string& name) const {
        const std::string node = root + "/dev/" + name;
        mkfifo(node.c_str(), 0660);
        chmod(node.c_str(), 0660);
    }

    int usbPorts_ = 0;
};
