package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayInputStream;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.locks.ReentrantReadWriteLock;

import org.bukkit.permissions.PermissibleBase;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionAttachment;
import org.bukkit.permissions.PermissionAttachmentInfo;
import org.bukkit.permissions.PermissionDefault;
import org.bukkit.permissions.PermissionRemovedExecutor;
import org.bukkit.permissions.ServerOperator;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;

/** Permissions by their defaults, children, plugins' attachments and their expiry, and plugin.yml. */
public class PermissionsTest {
    /** A holder whose operator status the test changes. */
    private static final class Op implements ServerOperator {
        boolean op;

        public boolean isOp() {
            return op;
        }

        public void setOp(boolean value) {
            op = value;
        }
    }

    private static final org.bukkit.plugin.SimplePluginManager PM = ApiServer.plugins();
    private static long tick = 1000;

    private static void register(String name, PermissionDefault def, Map<String, Boolean> children) {
        if (PM.getPermission(name) == null) {
            PM.addPermission(new Permission(name, "", def, children));
        }
    }

    private static Map<String, Boolean> children(Object... nameValue) {
        Map<String, Boolean> m = new LinkedHashMap<String, Boolean>();
        for (int i = 0; i < nameValue.length; i += 2) {
            m.put((String) nameValue[i], (Boolean) nameValue[i + 1]);
        }
        return m;
    }

    @Test
    public void defaultsFollowTheOperatorStatusEvenWhenItChangesUnasked() {
        register("t.op", PermissionDefault.OP, null);
        register("t.notop", PermissionDefault.NOT_OP, null);
        register("t.true", PermissionDefault.TRUE, null);
        register("t.false", PermissionDefault.FALSE, null);
        Op holder = new Op();
        PermissibleBase perms = new PermissibleBase(holder);
        boolean[][] expected = {{false, true, true, false}, {true, false, true, false}};
        for (int op = 0; op < 2; op++) {
            holder.op = op == 1; // as the op list changes, without telling the holder
            String who = op == 1 ? "an operator" : "a player";
            assertEquals(who, expected[op][0], perms.hasPermission("t.op"));
            assertEquals(who, expected[op][1], perms.hasPermission("T.NotOp"));
            assertEquals(who, expected[op][2], perms.hasPermission("t.true"));
            assertEquals(who, expected[op][3], perms.hasPermission("t.false"));
            assertEquals(who + ", unregistered: operators only", op == 1, perms.hasPermission("t.unknown"));
            assertEquals(op == 1, perms.hasPermission(new Permission("t.unregistered.op")));
            assertTrue(new PermissibleBase(holder).hasPermission(new Permission("t.x", PermissionDefault.TRUE)));
        }
        assertEquals(PermissionDefault.NOT_OP, PermissionDefault.getByName("!op"));
        assertEquals(PermissionDefault.OP, PermissionDefault.getByName("Admin"));
        assertEquals(PermissionDefault.NOT_OP, PermissionDefault.getByName("not op"));
        assertNull(PermissionDefault.getByName("sometimes"));
    }

    @Test
    public void childrenFollowTheirParentAndAFalseParentTurnsThemAround() {
        register("kit.a", PermissionDefault.FALSE, children("kit.a.sub", true));
        register("kit.*", PermissionDefault.FALSE, children("kit.a", true, "kit.b", false));
        // two permissions that name each other do not send the calculation round for ever
        register("loop.x", PermissionDefault.FALSE, children("loop.y", true));
        register("loop.y", PermissionDefault.FALSE, children("loop.x", true));
        Plugin plugin = ApiServer.plugin("kits");
        PermissibleBase perms = new PermissibleBase(new Op());
        PermissionAttachment a = perms.addAttachment(plugin, "kit.*", true);
        assertTrue(perms.hasPermission("kit.a"));
        assertTrue("a child's own children come along", perms.hasPermission("kit.a.sub"));
        assertFalse(perms.hasPermission("kit.b"));
        assertTrue(perms.isPermissionSet("kit.b"));
        a.setPermission("kit.*", false);
        assertFalse(perms.hasPermission("kit.a"));
        assertFalse(perms.hasPermission("kit.a.sub"));
        assertTrue(perms.hasPermission("kit.b"));
        a.setPermission("loop.x", true);
        assertTrue(perms.hasPermission("loop.y"));

        // a default permission's children are the holders' too, and a change of its children reaches them
        register("grant.all", PermissionDefault.TRUE, children("grant.one", true));
        PermissibleBase other = new PermissibleBase(new Op());
        assertTrue(other.hasPermission("grant.one"));
        assertFalse(other.hasPermission("grant.two"));
        Permission all = PM.getPermission("grant.all");
        all.getChildren().put("grant.two", true);
        all.recalculatePermissibles();
        assertTrue("holders are recalculated when a permission changes", other.hasPermission("grant.two"));
    }

    @Test
    public void attachmentsSetUnsetAreRemovedAndExpire() {
        Plugin plugin = ApiServer.plugin("attach");
        Op holder = new Op();
        PermissibleBase perms = new PermissibleBase(holder);
        PermissionAttachment first = perms.addAttachment(plugin, "a.b", true);
        PermissionAttachment later = perms.addAttachment(plugin);
        later.setPermission("A.B", false);
        assertFalse("the attachment added later wins", perms.hasPermission("a.b"));
        later.unsetPermission("a.b");
        assertTrue(perms.hasPermission("a.b"));
        boolean found = false;
        for (PermissionAttachmentInfo info : perms.getEffectivePermissions()) {
            if (info.getPermission().equals("a.b")) {
                found = info.getValue() && info.getAttachment() == first;
            }
        }
        assertTrue("the effective permissions name the attachment", found);

        final int[] removed = {0};
        first.setRemovalCallback(new PermissionRemovedExecutor() {
            public void attachmentRemoved(PermissionAttachment attachment) {
                removed[0]++;
            }
        });
        assertTrue(first.remove());
        assertFalse("an attachment is removed once", first.remove());
        assertEquals(1, removed[0]);
        assertFalse(perms.hasPermission("a.b"));

        // one that lasts five ticks of the game
        TaskScheduler scheduler = ApiServer.scheduler();
        scheduler.tick(++tick);
        long start = tick;
        PermissionAttachment timed = perms.addAttachment(plugin, "fly.now", true, 5);
        assertTrue(timed != null && perms.hasPermission("fly.now"));
        scheduler.tick(tick = start + 4);
        assertTrue(perms.hasPermission("fly.now"));
        scheduler.tick(tick = start + 5);
        assertFalse("the attachment is gone after its ticks", perms.hasPermission("fly.now"));
    }

    @Test
    public void pluginYmlPermissionsCarryDefaultsAndNestedChildren() throws Exception {
        String yml = "name: perms\nmain: a.B\nversion: 1\ndefault-permission: not op\npermissions:\n"
                + "  perms.*:\n"
                + "    description: everything\n"
                + "    children:\n"
                + "      perms.use: true\n"
                + "      perms.admin:\n"
                + "        default: op\n"
                + "        children: [perms.admin.kick]\n"
                + "  perms.use:\n"
                + "    default: true\n"
                + "  perms.plain: {}\n";
        PluginDescriptionFile d = new PluginDescriptionFile(new ByteArrayInputStream(yml.getBytes("UTF-8")));
        List<Permission> list = d.getPermissions();
        Map<String, Permission> byName = new HashMap<String, Permission>();
        for (Permission p : list) {
            byName.put(p.getName(), p);
        }
        assertEquals(byName.keySet().toString(), 4, byName.size());
        Permission all = byName.get("perms.*");
        assertEquals("everything", all.getDescription());
        assertEquals(children("perms.use", true, "perms.admin", true), all.getChildren());
        assertEquals(PermissionDefault.NOT_OP, all.getDefault());
        assertEquals(PermissionDefault.OP, byName.get("perms.admin").getDefault());
        assertEquals(children("perms.admin.kick", true), byName.get("perms.admin").getChildren());
        assertEquals(PermissionDefault.TRUE, byName.get("perms.use").getDefault());
        assertEquals("the plugin's default-permission", PermissionDefault.NOT_OP, byName.get("perms.plain").getDefault());
    }

    /**
     * A plugin's permissible that calculates under a lock of its own and asks the base while
     * holding it during a check, as PermissionsEx's does.
     */
    private static final class Locking extends PermissibleBase {
        final ReentrantReadWriteLock lock = new ReentrantReadWriteLock();
        int calculations;

        Locking(ServerOperator holder) {
            super(holder);
        }

        @Override
        public boolean hasPermission(String name) {
            lock.readLock().lock();
            try {
                return name.startsWith("wild.") || (super.isPermissionSet(name) && super.hasPermission(name));
            } finally {
                lock.readLock().unlock();
            }
        }

        @Override
        public void recalculatePermissions() {
            lock.writeLock().lock();
            try {
                calculations++;
                super.recalculatePermissions();
            } finally {
                lock.writeLock().unlock();
            }
        }
    }

    @Test(timeout = 20000)
    public void aSubclassCalculatingUnderItsOwnLockIsNeverRecalculatedFromInsideItsOwnCheck() {
        register("t.lock.op", PermissionDefault.OP, null);
        Op holder = new Op();
        Locking perms = new Locking(holder);
        perms.recalculatePermissions();
        assertTrue(perms.hasPermission("wild.anything"));
        assertFalse(perms.hasPermission("t.lock.op"));
        // the status changes unasked: the check answers from what was calculated, and does not hang
        holder.op = true;
        assertFalse(perms.hasPermission("t.lock.op"));
        assertEquals(1, perms.calculations);
        // the holder recalculates, as the server does for a player whose status it changes
        perms.recalculatePermissions();
        assertTrue(perms.hasPermission("t.lock.op"));
        // a subclass with no calculation of its own still follows the status by itself
        PermissibleBase plain = new PermissibleBase(holder) {
            @Override
            public boolean hasPermission(String name) {
                return name.startsWith("wild.") || super.hasPermission(name);
            }
        };
        assertTrue(plain.hasPermission("t.lock.op"));
        holder.op = false;
        assertFalse(plain.hasPermission("t.lock.op"));
    }
}
