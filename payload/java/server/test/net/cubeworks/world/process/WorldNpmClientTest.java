package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.InputStream;
import java.net.URISyntaxException;
import java.util.concurrent.TimeUnit;

import org.junit.After;
import org.junit.Assume;
import org.junit.Test;

/**
 * The world as an independent client sees it: clients of the npm package
 * minecraft-protocol (installed by test-client/install.sh into build/test-client) join the
 * real jar, walk, see each other, dig and place, and craft in their windows; the package
 * fails the run on any packet with bytes it did not read. Without the package the test is
 * skipped, except when CI=true.
 */
public class WorldNpmClientTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    /** build/test-client/node_modules, found above the server jar (or named by CUBEWORKS_TEST_CLIENT). */
    static File nodeModules() {
        String named = System.getenv("CUBEWORKS_TEST_CLIENT");
        if (named != null && named.length() > 0) {
            return new File(named, "node_modules");
        }
        for (File d = ServerProcess.serverJar().getAbsoluteFile().getParentFile(); d != null; d = d.getParentFile()) {
            for (String candidate : new String[] {"test-client", "build/test-client"}) {
                File m = new File(d, candidate + "/node_modules");
                if (new File(m, "minecraft-protocol").isDirectory()) {
                    return m;
                }
            }
        }
        return null;
    }

    @Test
    public void twoNpmClientsWalkSeeEachOtherDigAndPlace() throws Exception {
        File modules = modulesOrSkip();
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0");
        server.start("-Xmx64M");
        server.waitReady();
        String text = runNode(modules, "world-client.js");
        assertTrue(text, text.contains("OK [{\"name\":\"NodeA\""));
        assertTrue(server.isAlive());
    }

    /**
     * One client crafts; another smelts two iron ores in a furnace, takes the first ingot, and
     * finds the second (smelted while nobody watched) in the furnace after the server restarted.
     */
    @Test
    public void anNpmClientCraftsPlanksATableAndAPickaxeAnotherSmeltsIron() throws Exception {
        File modules = modulesOrSkip();
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0", "level-type=FLAT");
        File world = new File(server.dir, "world");
        net.cubeworks.world.storage.Worlds.savePlayerWith(world, "NodeCrafter", 8.5, 8.5, new int[] {0, 17, 3, 0});
        net.cubeworks.world.storage.Worlds.savePlayerWith(world, "NodeSmelter", 8.5, 12.5, new int[] {0, 61, 1, 0},
                new int[] {1, 15, 2, 0}, new int[] {2, 263, 1, 0});
        server.start("-Xmx64M");
        server.waitReady();
        String text = runNode(modules, "craft-client.js");
        assertTrue(text, text.contains("OK {"));
        assertTrue(server.isAlive());

        text = runNode(server, modules, "smelt-client.js", "smelt");
        assertTrue(text, text.contains("OK {"));
        Thread.sleep(11000); // the second ore smelts with nobody at the furnace
        server.send("stop");
        assertEquals(server.output(), 0, server.waitForExit(30000));
        server.start("-Xmx64M");
        server.waitReady();
        text = runNode(server, modules, "smelt-client.js", "after");
        assertTrue(text, text.contains("OK {"));
    }

    static File modulesOrSkip() {
        File modules = nodeModules();
        if (modules == null || !new File(modules, "minecraft-protocol").isDirectory()) {
            if ("true".equals(System.getenv("CI"))) {
                fail("the npm test client is not installed (payload/java/server/test-client/install.sh)");
            }
            Assume.assumeTrue("the npm test client is not installed", false);
        }
        return modules;
    }

    private String runNode(File modules, String name) throws Exception {
        return runNode(server, modules, name);
    }

    /** Runs one of the scripts beside this class against the server, with its arguments after the port; its output, after checking it exited 0. */
    static String runNode(ServerProcess server, File modules, String name, String... args) throws Exception {
        File script;
        try {
            script = new File(WorldNpmClientTest.class.getResource(name).toURI());
        } catch (URISyntaxException ex) {
            throw new IllegalStateException(ex);
        }
        java.util.List<String> cmd = new java.util.ArrayList<String>(java.util.Arrays.asList("node", script.getPath(),
                String.valueOf(server.port)));
        cmd.addAll(java.util.Arrays.asList(args));
        ProcessBuilder pb = new ProcessBuilder(cmd).redirectErrorStream(true);
        pb.environment().put("NODE_PATH", modules.getPath());
        Process node = pb.start();
        final InputStream in = node.getInputStream();
        final ByteArrayOutputStream out = new ByteArrayOutputStream();
        Thread pump = new Thread(new Runnable() {
            public void run() {
                byte[] buf = new byte[4096];
                try {
                    int n;
                    while ((n = in.read(buf)) > 0) {
                        synchronized (out) {
                            out.write(buf, 0, n);
                        }
                    }
                } catch (java.io.IOException ignored) {
                    // the process has ended
                }
            }
        });
        pump.start();
        if (!node.waitFor(90, TimeUnit.SECONDS)) {
            node.destroy();
            fail("the npm client did not finish");
        }
        pump.join(2000);
        String text;
        synchronized (out) {
            text = out.toString("UTF-8");
        }
        assertEquals(text + "\nserver:\n" + server.output(), 0, node.exitValue());
        return text;
    }
}
