#include "sim/http/tls.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <stdexcept>

namespace verdomo::sim {
namespace {

[[noreturn]] void fail(const char* what) {
  ERR_clear_error();
  throw std::runtime_error(std::string("TLS set-up failed: ") + what);
}

void addExtension(X509* certificate, int nid, const char* value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
  if (!extension) fail("extension");
  X509_add_ext(certificate, extension, -1);
  X509_EXTENSION_free(extension);
}

class TlsStream final : public Stream {
 public:
  explicit TlsStream(SSL* ssl) : ssl_(ssl) {}
  ~TlsStream() override {
    SSL_shutdown(ssl_);
    SSL_free(ssl_);
  }
  TlsStream(const TlsStream&) = delete;
  TlsStream& operator=(const TlsStream&) = delete;

  std::size_t read(char* buffer, std::size_t size) override {
    std::size_t got = 0;
    if (SSL_read_ex(ssl_, buffer, size, &got) != 1) {
      ERR_clear_error();
      return 0;
    }
    return got;
  }
  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      std::size_t sent = 0;
      if (SSL_write_ex(ssl_, bytes.data(), bytes.size(), &sent) != 1) {
        ERR_clear_error();
        return false;
      }
      bytes.remove_prefix(sent);
    }
    return true;
  }

 private:
  SSL* ssl_;
};

}  // namespace

struct TlsContext::State {
  EVP_PKEY* key = nullptr;
  X509* certificate = nullptr;
  SSL_CTX* context = nullptr;
  ~State() {
    SSL_CTX_free(context);
    X509_free(certificate);
    EVP_PKEY_free(key);
  }
};

TlsContext::TlsContext() : state_(std::make_unique<State>()) {
  state_->key = EVP_EC_gen("P-256");
  if (!state_->key) fail("key");

  X509* certificate = state_->certificate = X509_new();
  if (!certificate) fail("certificate");
  X509_set_version(certificate, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
  X509_gmtime_adj(X509_getm_notBefore(certificate), -24L * 3600);
  X509_gmtime_adj(X509_getm_notAfter(certificate), 365L * 24 * 3600);
  X509_set_pubkey(certificate, state_->key);
  X509_NAME* name = X509_get_subject_name(certificate);
  X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("Verdomo simulator"), -1, -1,
                             0);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
  X509_set_issuer_name(certificate, name);
  addExtension(certificate, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
  addExtension(certificate, NID_basic_constraints, "critical,CA:FALSE");
  if (X509_sign(certificate, state_->key, EVP_sha256()) == 0) fail("signature");

  state_->context = SSL_CTX_new(TLS_server_method());
  if (!state_->context) fail("context");
  SSL_CTX_set_min_proto_version(state_->context, TLS1_2_VERSION);
  if (SSL_CTX_use_certificate(state_->context, certificate) != 1 ||
      SSL_CTX_use_PrivateKey(state_->context, state_->key) != 1)
    fail("certificate and key");
}

TlsContext::~TlsContext() = default;

std::string TlsContext::certificatePem() const {
  BIO* memory = BIO_new(BIO_s_mem());
  PEM_write_bio_X509(memory, state_->certificate);
  char* data = nullptr;
  const long length = BIO_get_mem_data(memory, &data);
  std::string pem(data, static_cast<std::size_t>(length));
  BIO_free(memory);
  return pem;
}

std::unique_ptr<Stream> TlsContext::accept(int socket) const {
  SSL* ssl = SSL_new(state_->context);
  if (!ssl) return nullptr;
  SSL_set_fd(ssl, socket);
  if (SSL_accept(ssl) != 1) {
    ERR_clear_error();
    SSL_free(ssl);
    return nullptr;
  }
  return std::make_unique<TlsStream>(ssl);
}

}  // namespace verdomo::sim
