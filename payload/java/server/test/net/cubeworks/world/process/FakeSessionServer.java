package net.cubeworks.world.process;

import java.io.IOException;
import java.io.OutputStream;
import java.net.InetSocketAddress;
import java.net.URLDecoder;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.atomic.AtomicInteger;

import com.sun.net.httpserver.HttpExchange;
import com.sun.net.httpserver.HttpHandler;
import com.sun.net.httpserver.HttpServer;

/**
 * A session server on 127.0.0.1 that knows the joins the tests report: hasJoined answers
 * the account for a name whose join carried the same server hash, else 204 No Content.
 */
final class FakeSessionServer {
    static final String PATH = "/session/minecraft/hasJoined";

    private final HttpServer http;
    private final Map<String, String> joins = new ConcurrentHashMap<String, String>();
    final AtomicInteger requests = new AtomicInteger();

    FakeSessionServer() throws IOException {
        http = HttpServer.create(new InetSocketAddress("127.0.0.1", 0), 16);
        http.createContext(PATH, new HttpHandler() {
            public void handle(HttpExchange ex) throws IOException {
                requests.incrementAndGet();
                Map<String, String> q = query(ex.getRequestURI().getRawQuery());
                String name = q.get("username");
                String hash = q.get("serverId");
                byte[] body = new byte[0];
                int code = 204;
                if (name != null && hash != null && hash.equals(joins.get(name))) {
                    code = 200;
                    body = ("{\"id\":\"" + accountId(name) + "\",\"name\":\"" + name
                            + "\",\"properties\":[{\"name\":\"textures\",\"value\":\"e30=\",\"signature\":\"x\"}]}")
                            .getBytes("UTF-8");
                }
                ex.sendResponseHeaders(code, code == 204 ? -1 : body.length);
                OutputStream out = ex.getResponseBody();
                out.write(body);
                out.close();
            }
        });
        http.start();
    }

    /** The account id the fake gives a name: 32 hex digits, not the offline UUID. */
    static String accountId(String name) {
        return String.format("%08x", name.hashCode()) + "0000400080001234567890ab";
    }

    static String dashed(String id) {
        return id.substring(0, 8) + "-" + id.substring(8, 12) + "-" + id.substring(12, 16) + "-"
                + id.substring(16, 20) + "-" + id.substring(20);
    }

    private static Map<String, String> query(String raw) throws IOException {
        Map<String, String> out = new ConcurrentHashMap<String, String>();
        if (raw == null) {
            return out;
        }
        for (String pair : raw.split("&")) {
            int eq = pair.indexOf('=');
            if (eq > 0) {
                out.put(URLDecoder.decode(pair.substring(0, eq), "UTF-8"), URLDecoder.decode(pair.substring(eq + 1), "UTF-8"));
            }
        }
        return out;
    }

    /** What the game client does before it answers the Encryption Request. */
    TestClient.SessionJoin joiner() {
        return new TestClient.SessionJoin() {
            public void join(String name, String serverHash) {
                joins.put(name, serverHash);
            }
        };
    }

    String url() {
        return "http://127.0.0.1:" + http.getAddress().getPort() + PATH;
    }

    void stop() {
        http.stop(0);
    }
}
