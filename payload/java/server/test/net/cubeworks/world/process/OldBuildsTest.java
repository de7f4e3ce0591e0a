package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.lang.reflect.Method;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;
import java.util.jar.JarOutputStream;
import java.util.zip.ZipEntry;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

import org.junit.After;
import org.junit.Test;

/**
 * Plugin builds from before 1.6 link: a plugin compiled against the old signatures (int health,
 * int damage, a LivingEntity shooter) runs on the server and reads the same state through them;
 * the server jar's classes carry those members beside the current ones, synthetic, so that javac
 * compiling against the jar sees only the current.
 */
public class OldBuildsTest {
    private ServerProcess server;
    private PlayClient client;

    @After
    public void tearDown() throws Exception {
        if (client != null) {
            client.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    /** The stubs of the old API, which come before the server jar when the plugin is compiled. */
    private static final String[][] OLD_API = {
        {"org/bukkit/entity/Damageable.java", "package org.bukkit.entity; public interface Damageable extends Entity {"
            + " int getHealth(); void setHealth(int h); int getMaxHealth(); void setMaxHealth(int h);"
            + " void damage(int amount); }"},
        {"org/bukkit/entity/LivingEntity.java", "package org.bukkit.entity; public interface LivingEntity extends Damageable,"
            + " org.bukkit.projectiles.ProjectileSource { int getLastDamage(); void setLastDamage(int d); }"},
        {"org/bukkit/entity/Projectile.java", "package org.bukkit.entity;"
            + " public interface Projectile extends Entity { LivingEntity getShooter(); void setShooter(LivingEntity e); }"},
        {"org/bukkit/event/entity/EntityDamageEvent.java", "package org.bukkit.event.entity;"
            + " public class EntityDamageEvent extends EntityEvent implements org.bukkit.event.Cancellable {"
            + " public EntityDamageEvent(org.bukkit.entity.Entity e, DamageCause c, int d) { super(e); }"
            + " public int getDamage() { return 0; } public void setDamage(int d) {}"
            + " public boolean isCancelled() { return false; } public void setCancelled(boolean c) {}"
            + " public org.bukkit.event.HandlerList getHandlers() { return null; }"
            + " public enum DamageCause { FALL } }"},
    };

    private static byte[] resource(String name) throws Exception {
        InputStream in = OldBuildsTest.class.getResourceAsStream(name);
        assertNotNull(name, in);
        try {
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            byte[] buf = new byte[8192];
            int n;
            while ((n = in.read(buf)) > 0) {
                out.write(buf, 0, n);
            }
            return out.toByteArray();
        } finally {
            in.close();
        }
    }

    /** plugins/oldbuild.jar: the plugin compiled against the stubs first, then the server jar. */
    private static void buildPlugin(File plugins) throws Exception {
        File work = Files.createTempDirectory("oldbuild").toFile();
        File stubs = new File(work, "stubs");
        File stubClasses = new File(work, "stub-classes");
        stubClasses.mkdirs();
        String[] stubArgs = new String[OLD_API.length + 6];
        stubArgs[0] = "--release";
        stubArgs[1] = "8";
        stubArgs[2] = "-cp";
        stubArgs[3] = ServerProcess.serverJar().getPath();
        stubArgs[4] = "-d";
        stubArgs[5] = stubClasses.getPath();
        for (int i = 0; i < OLD_API.length; i++) {
            File f = new File(stubs, OLD_API[i][0]);
            f.getParentFile().mkdirs();
            Files.write(f.toPath(), OLD_API[i][1].getBytes("UTF-8"));
            stubArgs[6 + i] = f.getPath();
        }
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        assertEquals(errors.toString("UTF-8"), 0, javac.run(null, null, errors, stubArgs));
        File src = new File(work, "oldbuild/OldBuildPlugin.java");
        src.getParentFile().mkdirs();
        Files.write(src.toPath(), resource("/net/cubeworks/world/fixture/oldbuild/OldBuildPlugin.java.txt"));
        File classes = new File(work, "classes");
        classes.mkdirs();
        assertEquals(errors.toString("UTF-8"), 0, javac.run(null, null, errors, "--release", "8", "-Xlint:-options",
                "-cp", stubClasses.getPath() + File.pathSeparator + ServerProcess.serverJar().getPath(), "-d",
                classes.getPath(), src.getPath()));
        JarOutputStream out = new JarOutputStream(new FileOutputStream(new File(plugins, "oldbuild.jar")));
        try {
            out.putNextEntry(new ZipEntry("plugin.yml"));
            out.write("name: oldbuild\nmain: oldbuild.OldBuildPlugin\nversion: 1\n".getBytes("UTF-8"));
            out.closeEntry();
            out.putNextEntry(new ZipEntry("oldbuild/OldBuildPlugin.class"));
            out.write(Files.readAllBytes(new File(classes, "oldbuild/OldBuildPlugin.class").toPath()));
            out.closeEntry();
        } finally {
            out.close();
        }
    }

    @Test
    public void aPluginBuiltAgainstTheOldSignaturesLinksAndReadsTheSameState() throws Exception {
        server = ServerProcess.prepare();
        buildPlugin(server.plugins());
        server.start();
        server.waitReady();
        String log = server.output();
        assertFalse(log, log.contains("NoSuchMethodError") || log.contains("AbstractMethodError"));
        assertTrue(log, log.contains("[oldbuild] old damage 3 then 5"));
        client = PlayClient.join(server.port, 4, "Alex");
        server.waitFor("[oldbuild] old health 20 of 20, set to 7, last damage 0");
        assertFalse(server.output(), server.output().contains("NoSuchMethodError"));
    }

    /** The method of the name returning the type in the jar's class, which must be there once and synthetic. */
    private static void synthetic(ClassLoader jar, String type, String name, String returns) throws Exception {
        Class<?> c = jar.loadClass(type);
        int found = 0;
        for (Method m : c.getMethods()) {
            if (m.getName().equals(name) && m.getReturnType().getName().equals(returns)) {
                found++;
                assertTrue(type + "." + name + " returning " + returns + " is synthetic: javac leaves it out",
                        m.isSynthetic());
            }
        }
        assertEquals(type + "." + name + " returning " + returns, 1, found);
        for (Method m : c.getMethods()) {
            assertFalse(m.getName(), m.getName().startsWith("_INVALID_"));
        }
    }

    @Test
    public void theJarsClassesCarryTheOldMembersBesideTheCurrentOnes() throws Exception {
        URLClassLoader jar = new URLClassLoader(new URL[] {ServerProcess.serverJar().toURI().toURL()}, null);
        try {
            synthetic(jar, "org.bukkit.entity.Damageable", "getHealth", "int");
            synthetic(jar, "org.bukkit.entity.Damageable", "getMaxHealth", "int");
            synthetic(jar, "org.bukkit.entity.LivingEntity", "getLastDamage", "int");
            synthetic(jar, "org.bukkit.entity.Projectile", "getShooter", "org.bukkit.entity.LivingEntity");
            synthetic(jar, "org.bukkit.entity.Minecart", "getDamage", "int");
            synthetic(jar, "org.bukkit.event.entity.EntityDamageEvent", "getDamage", "int");
            synthetic(jar, "org.bukkit.event.entity.EntityRegainHealthEvent", "getAmount", "int");
            synthetic(jar, "org.bukkit.event.vehicle.VehicleDamageEvent", "getDamage", "int");
            Class<?> projectile = jar.loadClass("org.bukkit.entity.Projectile");
            assertEquals("org.bukkit.projectiles.ProjectileSource",
                    projectile.getMethod("setShooter", jar.loadClass("org.bukkit.projectiles.ProjectileSource"))
                            .getParameterTypes()[0].getName());
            // the current members are there, not synthetic
            int current = 0;
            for (Method m : jar.loadClass("org.bukkit.entity.Damageable").getMethods()) {
                if (m.getName().equals("getHealth") && m.getReturnType() == double.class && !m.isSynthetic()) {
                    current++;
                }
            }
            assertEquals(1, current);
        } finally {
            jar.close();
        }
    }
}
