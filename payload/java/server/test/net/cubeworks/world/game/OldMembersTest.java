package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

import org.bukkit.entity.Damageable;
import org.bukkit.entity.Projectile;
import org.bukkit.event.entity.EntityDamageEvent;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

/**
 * The members plugin builds from before 1.6 link against: int health, int damage and a
 * LivingEntity shooter, in the server's class files beside the current members with their own
 * descriptors, answering from the same state. A class compiled against the old API (stubs of
 * the old signatures) is loaded over the server's classes and calls them.
 */
public class OldMembersTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private static final String[][] OLD_API = {
        {"org/bukkit/entity/Entity.java", "package org.bukkit.entity; public interface Entity {}"},
        {"org/bukkit/entity/Damageable.java", "package org.bukkit.entity; public interface Damageable extends Entity {"
            + " int getHealth(); void setHealth(int h); int getMaxHealth(); void damage(int amount); }"},
        {"org/bukkit/entity/LivingEntity.java", "package org.bukkit.entity;"
            + " public interface LivingEntity extends Damageable { int getLastDamage(); void setLastDamage(int d); }"},
        {"org/bukkit/entity/Player.java", "package org.bukkit.entity; public interface Player extends LivingEntity {}"},
        {"org/bukkit/entity/Projectile.java", "package org.bukkit.entity;"
            + " public interface Projectile extends Entity { LivingEntity getShooter(); void setShooter(LivingEntity e); }"},
        {"org/bukkit/event/entity/EntityDamageEvent.java", "package org.bukkit.event.entity;"
            + " public class EntityDamageEvent { public int getDamage() { return 0; } public void setDamage(int d) {} }"},
        {"org/bukkit/event/entity/EntityRegainHealthEvent.java", "package org.bukkit.event.entity;"
            + " public class EntityRegainHealthEvent { public int getAmount() { return 0; } }"},
        {"old/OldPlugin.java", "package old;"
            + " import org.bukkit.entity.*; import org.bukkit.event.entity.*;"
            + " public class OldPlugin {"
            + "   public static int health(Player p) { return p.getHealth(); }"
            + "   public static int maxHealth(Player p) { return p.getMaxHealth(); }"
            + "   public static void setHealth(Player p, int h) { p.setHealth(h); }"
            + "   public static int lastDamage(LivingEntity e) { return e.getLastDamage(); }"
            + "   public static Object shooter(Projectile p) { return p.getShooter(); }"
            + "   public static int damage(EntityDamageEvent e) { int before = e.getDamage(); e.setDamage(before + 1);"
            + "     return e.getDamage(); }"
            + "   public static int amount(EntityRegainHealthEvent e) { return e.getAmount(); }"
            + " }"},
    };

    /** OldPlugin compiled against the old API, loaded over the server's classes. */
    private Class<?> oldPlugin() throws Exception {
        File src = folder.newFolder("src");
        File classes = folder.newFolder("classes");
        String[] args = new String[OLD_API.length + 4];
        args[0] = "--release";
        args[1] = "8";
        args[2] = "-d";
        args[3] = classes.getPath();
        for (int i = 0; i < OLD_API.length; i++) {
            File f = new File(src, OLD_API[i][0]);
            f.getParentFile().mkdirs();
            Files.write(f.toPath(), OLD_API[i][1].getBytes("UTF-8"));
            args[4 + i] = f.getPath();
        }
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        assertEquals(errors.toString("UTF-8"), 0, javac.run(null, null, errors, args));
        // only the plugin's class goes in its jar, as with a plugin built against the old API
        File jar = folder.newFolder("plugin");
        File cls = new File(jar, "old/OldPlugin.class");
        cls.getParentFile().mkdirs();
        Files.copy(new File(classes, "old/OldPlugin.class").toPath(), cls.toPath());
        URLClassLoader loader = new URLClassLoader(new URL[] {jar.toURI().toURL()}, getClass().getClassLoader());
        return loader.loadClass("old.OldPlugin");
    }

    private static Object call(Class<?> c, String name, Object... args) throws Exception {
        for (Method m : c.getMethods()) {
            if (m.getName().equals(name)) {
                return m.invoke(null, args);
            }
        }
        throw new AssertionError(name);
    }

    /** The one method of the name returning the type, which must be synthetic (javac leaves it out). */
    private static Method synthetic(Class<?> c, String name, Class<?> returns) {
        Method found = null;
        for (Method m : c.getMethods()) {
            if (m.getName().equals(name) && m.getReturnType() == returns) {
                assertNull("one " + name + " returning " + returns, found);
                found = m;
            }
        }
        assertTrue(c.getSimpleName() + "." + name + " returning " + returns, found != null);
        assertTrue("javac leaves the old " + name + " out", found.isSynthetic());
        return found;
    }

    @Test
    public void theServersClassesCarryTheOldDescriptorsAsSyntheticMembers() throws Exception {
        synthetic(Damageable.class, "getHealth", int.class);
        synthetic(Damageable.class, "getMaxHealth", int.class);
        synthetic(org.bukkit.entity.LivingEntity.class, "getLastDamage", int.class);
        synthetic(EntityDamageEvent.class, "getDamage", int.class);
        synthetic(org.bukkit.event.entity.EntityRegainHealthEvent.class, "getAmount", int.class);
        synthetic(org.bukkit.event.vehicle.VehicleDamageEvent.class, "getDamage", int.class);
        synthetic(org.bukkit.entity.Minecart.class, "getDamage", int.class);
        assertTrue(Modifier.isAbstract(synthetic(Projectile.class, "getShooter", org.bukkit.entity.LivingEntity.class)
                .getModifiers()));
        // the current members are there beside them, as javac sees them
        java.lang.invoke.MethodHandles.publicLookup().findVirtual(Projectile.class, "getShooter",
                java.lang.invoke.MethodType.methodType(org.bukkit.projectiles.ProjectileSource.class));
        java.lang.invoke.MethodHandles.publicLookup().findVirtual(Projectile.class, "setShooter",
                java.lang.invoke.MethodType.methodType(void.class, org.bukkit.entity.LivingEntity.class));
        for (Method m : Damageable.class.getMethods()) {
            assertTrue(m.getName(), !m.getName().startsWith("_INVALID_"));
        }
    }

    @Test
    public void aClassCompiledAgainstTheOldApiLinksAndReadsTheSameState() throws Exception {
        Class<?> old = oldPlugin();
        Game game = TestGames.flat(folder.newFolder("world"));
        OnlinePlayer p = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        assertEquals(20, call(old, "health", p));
        assertEquals(20, call(old, "maxHealth", p));
        p.setHealth(13.5);
        assertEquals("rounded up, as the real server did", 14, call(old, "health", p));
        call(old, "setHealth", p, 7);
        assertEquals(7.0, p.getHealth(), 0.0);
        assertEquals(0, call(old, "lastDamage", p));

        EntityDamageEvent hit = new EntityDamageEvent(p, EntityDamageEvent.DamageCause.FALL, 2.5);
        assertEquals(4, call(old, "damage", hit));
        assertEquals(4.0, hit.getDamage(), 0.0);
        assertEquals(1, call(old, "amount", new org.bukkit.event.entity.EntityRegainHealthEvent(p, 0.5,
                org.bukkit.event.entity.EntityRegainHealthEvent.RegainReason.REGEN)));
    }
}
