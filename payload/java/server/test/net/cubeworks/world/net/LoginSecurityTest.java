package net.cubeworks.world.net;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.fail;

import java.io.IOException;
import java.util.Map;
import java.util.UUID;

import org.junit.Test;

import net.cubeworks.world.protocol.Json;

public class LoginSecurityTest {
    private static final byte[] NONE = new byte[0];

    @Test
    public void serverHashIsTheGamesSignedHexDigest() {
        // the game's published examples: positive, negative and one without a leading zero
        assertEquals("4ed1f46bbe04bc756bcb17c0c7ce3e4632f06a48", LoginSecurity.serverHash("Notch", NONE, NONE));
        assertEquals("-7c9d5b0044c130109a5d7b5fb5c317c02b4e28c1", LoginSecurity.serverHash("jeb_", NONE, NONE));
        assertEquals("88e16a1019277b15d58faf0541e11910eb756f6", LoginSecurity.serverHash("simon", NONE, NONE));
        // the id, the secret and the key are hashed as one run of bytes
        assertEquals(LoginSecurity.serverHash("simon", NONE, NONE),
                LoginSecurity.serverHash("", "si".getBytes(), "mon".getBytes()));
    }

    @Test
    public void theAccountIsTakenFromTheSessionServersAnswer() throws IOException {
        LoginSecurity.Profile p = LoginSecurity.profile("{\"id\":\"069a79f444e94726a5befca90e38aaf5\","
                + "\"name\":\"Notch\",\"properties\":[{\"name\":\"textures\",\"value\":\"e30=\",\"signature\":\"a\\\"b\"}]}");
        assertEquals("Notch", p.name);
        assertEquals(UUID.fromString("069a79f4-44e9-4726-a5be-fca90e38aaf5"), p.uuid);
        // the properties are kept with their signatures, for Spawn Player of protocol 5
        assertEquals(1, p.properties.size());
        assertArrayEquals(new String[] {"textures", "e30=", "a\"b"}, p.properties.get(0));
        assertEquals(0, LoginSecurity.profile("{\"id\":\"069a79f444e94726a5befca90e38aaf5\",\"name\":\"Notch\"}")
                .properties.size());
    }

    @Test
    public void answersWithoutAValidAccountAreErrors() {
        String[] bad = {
            "{\"name\":\"Notch\"}",
            "{\"id\":\"069a79f4-44e9-4726-a5be-fca90e38aaf5\",\"name\":\"Notch\"}",
            "{\"id\":\"069a79f444e94726a5befca90e38aaf5\"}",
            "{\"id\":\"069a79f444e94726a5befca90e38aaf5\",\"name\":\"Notch\"",
            "<html>Service unavailable</html>",
            "{\"id\":\"069a79f444e94726a5befca90e38aaf5\",\"name\":\"Notch\"} trailing",
            "{\"id\":\"069a79f444e94726a5befca90e38aaf5\",\"name\":\"Notch\",\"properties\":[{\"value\":\"x\"}]}",
        };
        for (String json : bad) {
            try {
                LoginSecurity.profile(json);
                fail("accepted " + json);
            } catch (IOException expected) {
                // refused, as it must be
            }
        }
    }

    @Test
    public void jsonReaderSkipsNestedValuesAndResolvesEscapes() throws IOException {
        Map<String, String> m = Json.topLevelStrings(" { \"a\" : [1, -2.5e3, true, null, {\"x\":{}}], "
                + "\"b\":\"q\\u00e9\\n\\/\", \"c\":{\"name\":\"inner\"}, \"d\":false } ");
        assertEquals(1, m.size());
        assertEquals("q\u00e9\n/", m.get("b"));
    }
}
