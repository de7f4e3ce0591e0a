package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.InputStream;
import java.util.concurrent.TimeUnit;

import org.junit.After;
import org.junit.Assume;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.menu.MenuPlugin;

/**
 * A plugin's menu seen by an independent client: the chest window of the plugin's inventory,
 * an enchanted and named item whose tag the client reads whole, a click that moves an item out of
 * the menu and a cancelled one that moves nothing, and the plugin told of each.
 */
public class MenuNpmClientTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    @Test
    public void aPluginsMenuOpensItsItemsReadWholeAndItsClicksCount() throws Exception {
        File modules = WorldNpmClientTest.nodeModules();
        if (modules == null || !new File(modules, "minecraft-protocol").isDirectory()) {
            if ("true".equals(System.getenv("CI"))) {
                fail("the npm test client is not installed (payload/java/server/test-client/install.sh)");
            }
            Assume.assumeTrue("the npm test client is not installed", false);
        }
        server = ServerProcess.prepare("view-distance=2", "spawn-protection=0", "level-type=FLAT");
        Jars.plugin(new File(server.plugins(), "menu.jar"), MenuPlugin.YML, MenuPlugin.class);
        server.start("-Xmx64M");
        server.waitReady();
        File script = new File(MenuNpmClientTest.class.getResource("menu-client.js").toURI());
        ProcessBuilder pb = new ProcessBuilder("node", script.getPath(), String.valueOf(server.port))
                .redirectErrorStream(true);
        pb.environment().put("NODE_PATH", modules.getPath());
        Process node = pb.start();
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        InputStream in = node.getInputStream();
        long end = System.currentTimeMillis() + 90000;
        byte[] buf = new byte[4096];
        while (System.currentTimeMillis() < end) {
            int n = in.read(buf);
            if (n < 0) {
                break;
            }
            out.write(buf, 0, n);
        }
        if (!node.waitFor(5, TimeUnit.SECONDS)) {
            node.destroy();
            fail("the npm client did not finish: " + out.toString("UTF-8"));
        }
        String text = out.toString("UTF-8");
        assertEquals(text + "\nserver:\n" + server.output(), 0, node.exitValue());
        assertTrue(text, text.contains("OK {"));
        long wait = System.currentTimeMillis() + 10000;
        while (!server.output().contains("menu closed=") && System.currentTimeMillis() < wait) {
            Thread.sleep(50);
        }
        assertTrue(server.output(), server.output().contains("menu button=pressed"));
        assertTrue(server.output(), server.output().contains("menu closed=true EMERALD DIAMONDx3 5"));
    }
}
